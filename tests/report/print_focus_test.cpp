// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a real X server with no window manager (kiosks, some classrooms), keys
// typed after a print message must reach the window again: nobody but the
// program hands the activation back. Keys are real X events (xdotool), so
// they go where the X server sends them, as a user's would.

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "print_probe.h"

using namespace vesquin::test;

namespace {

bool pressKeys(const QString& keys) {
    QString output;
    return RunProgram(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}, &output, 10000) ==
           0;
}

}  // namespace

class PrintFocusTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void keysReachTheWindowAfterThePrintMessage();

  private:
    QTemporaryDir m_home;
};

void PrintFocusTest::initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void PrintFocusTest::keysReachTheWindowAfterThePrintMessage() {
    const auto window = ShowWindow();
    QVERIFY(window);
    auto* count = window->findChild<QLineEdit*>(QStringLiteral("txtNs"));
    QVERIFY(count);
    QVERIFY(RunSimulation(*window, QStringLiteral("123")));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    vesquin::PrintCommand* command = PrintCommandOf(*window);
    QSignalSpy ended(command, &vesquin::PrintCommand::finished);

    // The message runs its own event loop; a timer served by that loop answers
    // it with a real Return once the message has the keyboard.
    QString shown;
    QTimer answer;
    answer.setInterval(20);
    connect(&answer, &QTimer::timeout, &answer, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown.isEmpty() || !box || !box->isActiveWindow()) return;
        shown = box->text();
        pressKeys(QStringLiteral("Return"));
    });
    answer.start();

    // No printer here: the report is saved and a message says where.
    QVERIFY(pressKeys(QStringLiteral("alt+i")));
    QVERIFY(QTest::qWaitFor([&] { return ended.count() == 1; }, 20000));
    QCOMPARE(shown,
             QStringLiteral("No hay ninguna impresora disponible. El informe se ha guardado en:"));
    QVERIFY(QTest::qWaitFor([&] { return window->isActiveWindow(); }, 5000));

    // Alt+B clears: the count is emptied, not given a "b".
    QVERIFY(pressKeys(QStringLiteral("alt+b")));
    QVERIFY2(QTest::qWaitFor([&] { return count->text().isEmpty(); }, 5000),
             qPrintable(count->text()));
    QCOMPARE(window->boxText(u"txtTeo1"), QString());
    QCOMPARE(QApplication::focusWidget(), count);
}

QTEST_MAIN(PrintFocusTest)
#include "print_focus_test.moc"
