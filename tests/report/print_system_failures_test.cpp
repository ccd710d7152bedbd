// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing when the print system misbehaves, through the private scheduler: a
// queue that refuses jobs, a stopped printer, a queue that disappears while the
// job is prepared, a full spool, a scheduler that stops answering, printers with
// no default, a default that names no queue. Each is told truly, nothing is left
// half printed, and the window keeps answering throughout.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

#include "print_probe.h"

using namespace vesquin::test;
using namespace std::chrono_literals;

namespace {

const QString kCupsDir = QStringLiteral(VESQUIN_CUPS_DIR);
const QString kPrivateCups = QStringLiteral(VESQUIN_PRIVATE_CUPS);
const QString kOutput = kCupsDir + QStringLiteral("/out/report.pdf");
const QByteArray kSocket = QFile::encodeName(kCupsDir + QStringLiteral("/sock/cups.sock"));
const QString kFailed = QStringLiteral("No se ha podido imprimir el informe.");
constexpr int kNotAllowed = 3;  // private-cups: the state needs rights we lack

QString quoted(const QString& name) {
    return QStringLiteral("«\u2068%1\u2069»").arg(name);
}

int privateCups(const QString& command, QString* output = nullptr) {
    return RunProgram(kPrivateCups, {command, kCupsDir}, output);
}

int jobsListed(const QString& which) {
    QString listing;
    if (RunProgram(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o")},
                   &listing) != 0)
        return -1;
    return static_cast<int>(listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

// Sets or, for a null value, unsets an environment variable.
void setVariable(const char* name, const QByteArray& value) {
    if (value.isNull()) {
        qunsetenv(name);
    } else {
        qputenv(name, value);
    }
}

// A print system that takes every connection and never says a word: a socket
// that listens and is never read (the kernel completes the connections).
class SilentServer {
  public:
    explicit SilentServer(const QString& path) {
        const QByteArray name = QFile::encodeName(path);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return;
        std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
        m_fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (m_fd < 0) return;
        if (bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            listen(m_fd, 64) != 0) {
            close(m_fd);
            m_fd = -1;
        }
    }
    ~SilentServer() {
        if (m_fd >= 0) close(m_fd);
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    bool listening() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

}  // namespace

class PrintSystemFailuresTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tellsWhatThePrintSystemDid_data();
    void tellsWhatThePrintSystemDid();
    void keepsTheWindowAnsweringWhileNoOneAnswers();
    void sendsOneCompleteJobPerPress();
    void closesPromptlyWhileNoOneAnswers();

  private:
    QTemporaryDir m_home;
};

void PrintSystemFailuresTest::initTestCase() {
    QVERIFY(m_home.isValid());
    // The user's own print settings (a default in ~/.cups/lpoptions) stay out of it.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
}

void PrintSystemFailuresTest::init() {
    QString output;
    QVERIFY2(privateCups(QStringLiteral("restore"), &output) == 0, qPrintable(output));
    qputenv("CUPS_SERVER", kSocket);
    qputenv("PRINTER", "TESTPDF");
    qputenv("LPDEST", "TESTPDF");
    QDir(m_home.filePath(QStringLiteral("Documents"))).removeRecursively();
}

void PrintSystemFailuresTest::cleanup() {
    QString output;
    QVERIFY2(privateCups(QStringLiteral("restore"), &output) == 0, qPrintable(output));
}

void PrintSystemFailuresTest::tellsWhatThePrintSystemDid_data() {
    QTest::addColumn<QString>("state");         // private-cups command, before the press
    QTest::addColumn<QString>("beforeSubmit");  // private-cups command, once the printer is found
    QTest::addColumn<QByteArray>("printer");    // PRINTER, null for unset
    QTest::addColumn<QByteArray>("lpdest");     // LPDEST, null for unset
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("details");  // for a saved report: the start of the path
    QTest::addColumn<bool>("saved");

    const QByteArray ours("TESTPDF");
    const QString documents = m_home.filePath(QStringLiteral("Documents/"));
    QTest::newRow("queue rejects jobs")
        << "reject" << QString() << ours << ours << kFailed
        << QStringLiteral("La impresora %1 no acepta trabajos.").arg(quoted("TESTPDF")) << false;
    QTest::newRow("printer stopped")
        << "stop-printer" << QString() << ours << ours << kFailed
        << QStringLiteral("La impresora %1 está detenida.").arg(quoted("TESTPDF")) << false;
    QTest::newRow("queue removed before the job")
        << QString() << "remove-queue" << ours << ours << kFailed
        << QStringLiteral("La impresora %1 no existe.").arg(quoted("TESTPDF")) << false;
    QTest::newRow("scheduler stops answering before the job")
        << QString() << "freeze" << ours << ours << kFailed
        << QStringLiteral("La impresora no responde.") << false;
    QTest::newRow("job stopped by the scheduler")
        << "break-filter" << QString() << ours << ours << kFailed
        << QStringLiteral(
               "El sistema de impresión ha detenido el trabajo en la impresora %1; se ha anulado.")
               .arg(quoted("TESTPDF"))
        << false;
    QTest::newRow("spool full") << "fill-spool" << QString() << ours << ours << kFailed
                                << QStringLiteral(
                                       "El sistema de impresión no tiene espacio para el trabajo.")
                                << false;
    QTest::newRow("two printers, no default")
        << "two-without-default" << QString() << QByteArray() << QByteArray()
        << "No hay ninguna impresora predeterminada. El informe se ha guardado en:" << documents
        << true;
    QTest::newRow("PRINTER names no queue")
        << QString() << QString() << QByteArray("NOPE") << QByteArray()
        << QStringLiteral(
               "No hay ninguna impresora predeterminada: la impresora %1 no existe. "
               "El informe se ha guardado en:")
               .arg(quoted("NOPE"))
        << documents << true;
    QTest::newRow("LPDEST names no queue")
        << QString() << QString() << ours << QByteArray("<b>NOPE</b>")
        << QStringLiteral(
               "No hay ninguna impresora predeterminada: la impresora %1 no existe. "
               "El informe se ha guardado en:")
               .arg(quoted("<b>NOPE</b>"))
        << documents << true;
}

void PrintSystemFailuresTest::tellsWhatThePrintSystemDid() {
    QFETCH(QString, state);
    QFETCH(QString, beforeSubmit);
    QFETCH(QByteArray, printer);
    QFETCH(QByteArray, lpdest);
    QFETCH(QString, text);
    QFETCH(QString, details);
    QFETCH(bool, saved);

    if (!state.isEmpty()) {
        QString output;
        const int code = privateCups(state, &output);
        if (code == kNotAllowed) QSKIP("this state needs root (it mounts a file system)");
        QVERIFY2(code == 0, qPrintable(output));
    }
    setVariable("PRINTER", printer);
    setVariable("LPDEST", lpdest);

    const auto window = ShowWindow();
    QVERIFY(window);
    QVERIFY(RunSimulation(*window, QStringLiteral("1.000")));
    const QStringList boxes = AllBoxTexts(*window);
    vesquin::PrintCommand* command = PrintCommandOf(*window);
    command->setLimits({1500ms, 1500ms, 1000ms});
    if (!beforeSubmit.isEmpty())
        command->setBeforeSubmit([beforeSubmit] { privateCups(beforeSubmit); });

    MessageCatcher catcher;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(PressPrint(*window));
    const qint64 elapsedMs = clock.elapsed();
    qInfo("%s: %lld ms", QTest::currentDataTag(), elapsedMs);
    QVERIFY2(elapsedMs < 6000, qPrintable(QString::number(elapsedMs)));

    QCOMPARE(catcher.messages().size(), 1);
    const MessageCatcher::Message message = catcher.messages().first();
    QVERIFY(message.allPlainText);
    QCOMPARE(message.buttons.contains(QStringLiteral("Aceptar")), true);
    QCOMPARE(message.text, text);
    if (saved) {
        QCOMPARE(message.icon, QMessageBox::Information);
        const QString path = QString(message.informativeText).remove(QLatin1Char('\n'));
        QVERIFY2(path.startsWith(details), qPrintable(path));
        QString error;
        QCOMPARE(PdfLines(path, &error), ExpectedReportLines(*window, QStringLiteral("1.000")));
    } else {
        QCOMPARE(message.icon, QMessageBox::Warning);
        QCOMPARE(message.informativeText, details);
        QVERIFY(!QFileInfo::exists(m_home.filePath(QStringLiteral("Documents"))));
    }
    QCOMPARE(AllBoxTexts(*window), boxes);

    // Nothing printed (the queue's file stays empty or absent), and
    // nothing left waiting to print later by surprise. (Cancelled jobs count as
    // "completed" in the scheduler's history, so the history cannot tell.)
    QString output;
    QVERIFY2(privateCups(QStringLiteral("thaw"), &output) == 0, qPrintable(output));
    QVERIFY(
        QTest::qWaitFor([] { return jobsListed(QStringLiteral("not-completed")) == 0; }, 10000));
    QTest::qWait(200);
    QCOMPARE(QFileInfo(kOutput).size(), 0);
}

void PrintSystemFailuresTest::keepsTheWindowAnsweringWhileNoOneAnswers() {
    QTemporaryDir socketDir;
    QVERIFY(socketDir.isValid());
    const QString socketPath = socketDir.filePath(QStringLiteral("cups.sock"));
    const SilentServer silent(socketPath);
    QVERIFY(silent.listening());
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath));

    const auto window = ShowWindow();
    QVERIFY(window);
    vesquin::PrintCommand* command = PrintCommandOf(*window);
    command->setLimits({1000ms, 1000ms, 1000ms});
    auto* print = window->findChild<QPushButton*>(QStringLiteral("cmdImprimir"));
    QVERIFY(print);

    // The window's own event loop keeps a timer ticking: its longest silence is
    // how long the window could not answer.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    bool busyCursor = false;
    QTimer ticker;
    ticker.setInterval(10);
    bool answered = false;
    connect(&ticker, &QTimer::timeout, &ticker, [&] {
        // Measured until the answer comes: drawing the message is the window's own work.
        answered |= QApplication::activeModalWidget() != nullptr;
        if (answered) return;
        const qint64 now = clock.elapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
        if (command->isBusy() && QGuiApplication::overrideCursor())
            busyCursor |= QGuiApplication::overrideCursor()->shape() == Qt::BusyCursor;
    });
    ticker.start();

    MessageCatcher catcher;
    QSignalSpy ended(command, &vesquin::PrintCommand::finished);
    print->setFocus();
    print->click();
    QVERIFY(command->isBusy());
    // Further presses while the print system is silent are ignored, and the
    // greyed button shows it.
    QVERIFY(!print->isEnabled());
    print->click();
    QTest::qWait(200);
    print->click();
    QVERIFY(QTest::qWaitFor([&] { return ended.count() >= 1; }, 10000));
    ticker.stop();
    const qint64 elapsedMs = clock.elapsed();
    QTest::qWait(100);

    qInfo("silent print system: message after %lld ms, longest gap between ticks %lld ms",
          elapsedMs, longestGap);
    QVERIFY2(longestGap < 100, qPrintable(QString::number(longestGap)));
    QVERIFY(busyCursor);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY2(elapsedMs >= 900 && elapsedMs < 5000, qPrintable(QString::number(elapsedMs)));
    QCOMPARE(ended.count(), 1);
    // Usable again once the print has ended, with the focus where it was.
    QVERIFY(print->isEnabled());
    QCOMPARE(window->focusWidget(), print);
    QCOMPARE(catcher.messages().size(), 1);
    QCOMPARE(catcher.messages().first().text, kFailed);
    QCOMPARE(catcher.messages().first().informativeText,
             QStringLiteral("La impresora no responde."));
}

void PrintSystemFailuresTest::sendsOneCompleteJobPerPress() {
    const int completedBefore = jobsListed(QStringLiteral("completed"));
    const auto window = ShowWindow();
    QVERIFY(window);
    QVERIFY(RunSimulation(*window, QStringLiteral("250")));
    vesquin::PrintCommand* command = PrintCommandOf(*window);
    auto* print = window->findChild<QPushButton*>(QStringLiteral("cmdImprimir"));
    QVERIFY(print);

    MessageCatcher catcher;
    QSignalSpy ended(command, &vesquin::PrintCommand::finished);
    for (int press = 1; press <= 3; ++press) {
        // Pressed twice in a row: the second press falls while the first print runs.
        print->click();
        print->click();
        QVERIFY(QTest::qWaitFor([&] { return ended.count() >= press; }, 40000));
        QString output;
        QVERIFY2(privateCups(QStringLiteral("wait-job"), &output) == 0, qPrintable(output));
        QCOMPARE(jobsListed(QStringLiteral("completed")), completedBefore + press);
        QString error;
        QCOMPARE(PdfLines(kOutput, &error), ExpectedReportLines(*window, QStringLiteral("250")));
    }
    QTest::qWait(300);
    QCOMPARE(ended.count(), 3);
    QCOMPARE(jobsListed(QStringLiteral("completed")), completedBefore + 3);
    QCOMPARE(catcher.messages().size(), 0);
}

void PrintSystemFailuresTest::closesPromptlyWhileNoOneAnswers() {
    QTemporaryDir socketDir;
    QVERIFY(socketDir.isValid());
    const QString socketPath = socketDir.filePath(QStringLiteral("cups.sock"));
    const SilentServer silent(socketPath);
    QVERIFY(silent.listening());
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath));

    auto window = ShowWindow();
    QVERIFY(window);
    auto* print = window->findChild<QPushButton*>(QStringLiteral("cmdImprimir"));
    QVERIFY(print);
    MessageCatcher catcher;
    print->click();  // with the usual waits of 5 and 30 seconds
    QVERIFY(PrintCommandOf(*window)->isBusy());
    QTest::qWait(300);

    // The program ends while the print system is silent: no message, no waiting it out.
    QElapsedTimer clock;
    clock.start();
    window.reset();
    const qint64 elapsedMs = clock.elapsed();
    qInfo("closed while printing in %lld ms", elapsedMs);
    // The print library looks at the cancellation once a second at most.
    QVERIFY2(elapsedMs < 1500, qPrintable(QString::number(elapsedMs)));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QTest::qWait(100);
    QCOMPARE(catcher.messages().size(), 0);
}

QTEST_MAIN(PrintSystemFailuresTest)
#include "print_system_failures_test.moc"
