// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever a user types into the count comes back in the warning as the characters
// typed: never read as markup, never loading a file, never reordering the sentence.
#include <QtTest>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fonts.h"
#include "main_window.h"
#include "number_text.h"
#include "window_probe.h"

using vesquin::MainWindow;
using namespace vesquin::test;

namespace {

// What the warning box showed, read while it was open.
struct ShownBox {
    int seen = 0;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    Qt::TextFormat labelFormat = Qt::AutoText;
    QString spoken;  // what the label tells a screen reader it shows
};

// Answers the next warning with Enter after reading how it shows its text.
class WarningReader : public QObject {
  public:
    explicit WarningReader(ShownBox& shown) : m_shown(shown) {
        connect(&m_poll, &QTimer::timeout, this, &WarningReader::read);
        m_poll.start(5);
    }

  private:
    void read() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        ++m_shown.seen;
        m_shown.text = box->text();
        m_shown.format = box->textFormat();
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            m_shown.labelFormat = label->textFormat();
            if (QAccessibleInterface* face =
                    QAccessible::queryAccessibleInterface(const_cast<QLabel*>(label)))
                m_shown.spoken = face->text(QAccessible::Name);
        }
        QTest::keyClick(box, Qt::Key_Return);
    }

    ShownBox& m_shown;
    QTimer m_poll;
};

// Should anything open the named pipe for reading, it would wait for a writer for
// ever. After a grace period this opens the writing end, so the reader sees the end
// of the file and the test reports the hang instead of hanging itself.
class PipeWatch {
  public:
    explicit PipeWatch(QByteArray path) : m_path(std::move(path)) {
        m_thread = std::thread([this] { watch(); });
    }
    ~PipeWatch() {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    bool unblockedAReader() const { return m_unblocked; }

  private:
    void watch() {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, std::chrono::seconds(5), [this] { return m_done; })) return;
        // A reader is waiting, or will: open without blocking until one is there.
        while (!m_done) {
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
                m_unblocked = true;
            }
            m_wake.wait_for(lock, std::chrono::milliseconds(20));
        }
    }

    QByteArray m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_unblocked = false;
    std::thread m_thread;
};

// Reading an endless file would use up all memory before anything failed; within
// a bounded address space it fails at once, and the test with it.
void BoundAddressSpace() {
    constexpr rlim_t kBytes = rlim_t{4} << 30;
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) == 0 &&
        (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > kBytes)) {
        limit.rlim_cur = kBytes;
        ::setrlimit(RLIMIT_AS, &limit);
    }
}

const QString kAsk = QStringLiteral(
    "no es un número. Indica cuántas veces haremos la simulación: un número entero entre 1 y "
    "1.000.000.");

}  // namespace

class TypedTextTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_folder;
    QString m_pipe;

  private slots:
    void initTestCase() {
        vesquin::InstallFontSubstitutions();
        QVERIFY(m_folder.isValid());
        // Named relative to the working folder, so that the whole tag fits in the 40
        // characters the warning quotes: a tag cut open would load nothing.
        QVERIFY(QDir::setCurrent(m_folder.path()));
        m_pipe = QStringLiteral("tubo");
        QCOMPARE(::mkfifo(QFile::encodeName(m_pipe).constData(), 0600), 0);
    }

    void warningShowsTheTypedTextLiterally_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("bold markup") << QStringLiteral("<b>x</b>");
        QTest::newRow("an entity") << QStringLiteral("&amp;");
        QTest::newRow("a heading and a line break")
            << QStringLiteral("<h1>1</h1><br><p align=right>2");
        QTest::newRow("an image of an endless file") << QStringLiteral("<img src=/dev/zero>");
        QTest::newRow("an image of a named pipe") << "<img src=" + m_pipe + ">";
        QTest::newRow("a right-to-left override") << QStringLiteral("\u202E1000");
        QTest::newRow("a left-to-right mark") << QStringLiteral("10\u200E00");
        QTest::newRow("a closing isolation mark")
            << QStringLiteral("\u2069\u202Eabc");  // balanced away: see the expected text
    }

    void warningShowsTheTypedTextLiterally() {
        QFETCH(QString, typed);
        auto window = std::make_unique<MainWindow>(vesquin::kSpanishSymbols);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* count = window->findChild<QLineEdit*>(QStringLiteral("txtNs"));
        count->setText(typed);
        window->findChild<QWidget*>(QStringLiteral("cmdSimular"))->setFocus();

        ShownBox shown;
        {
            PipeWatch watch(QFile::encodeName(m_pipe));
            WarningReader reader(shown);
            Press(Qt::Key_Return);
            QVERIFY2(!watch.unblockedAReader(), "the warning opened the named pipe and hung");
        }

        // A closing isolation mark typed alone would end the message's own isolate early.
        QString quoted = typed;
        if (quoted.startsWith(u'\u2069')) quoted.remove(0, 1);
        const QString expected = "«\u2068" + quoted + "\u2069» " + kAsk;
        QCOMPARE(shown.seen, 1);
        QCOMPARE(shown.text, expected);
        QCOMPARE(shown.spoken, expected);
        QCOMPARE(shown.format, Qt::PlainText);
        QCOMPARE(shown.labelFormat, Qt::PlainText);

        // The window answers again: the count has the focus and a good count runs.
        QTRY_COMPARE(FocusName(), QStringLiteral("txtNs"));
        QCOMPARE(count->text(), typed);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10"));
        Press(Qt::Key_Return);
        QVERIFY(!window->boxText(u"txtTeo1").isEmpty());
    }
};

int main(int argc, char* argv[]) {
    BoundAddressSpace();
    QApplication app(argc, argv);
    TypedTextTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "typed_text_test.moc"
