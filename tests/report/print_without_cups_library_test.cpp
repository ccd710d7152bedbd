// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing where the CUPS client library cannot be loaded (the test points the loader
// at a file that does not exist, or at a library without CUPS's functions): the window
// says why in Spanish and carries on, with nothing printed and nothing changed.

#include <QProcess>
#include <QTest>

#include "cups_library.h"
#include "print_probe.h"

using namespace vesquin::test;

class PrintWithoutCupsLibraryTest : public QObject {
    Q_OBJECT

  private slots:
    void saysTheLibraryIsMissing_data() {
        QTest::addColumn<QByteArray>("library");
        QTest::newRow("no such file") << QByteArray("/nonexistent/libcups.so.2");
        // A library that loads but lacks the functions: the C library itself.
        QTest::newRow("not CUPS") << QByteArray("libc.so.6");
    }

    void saysTheLibraryIsMissing() {
        // The library is loaded once per process, so each case runs in a process of its own.
        QFETCH(QByteArray, library);
        const QString self = QCoreApplication::applicationFilePath();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VESQUIN_CUPS_LIBRARY"), QString::fromLatin1(library));
        child.setProcessEnvironment(environment);
        child.start(self, {QStringLiteral("printOnce")});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitCode() == 0, child.readAllStandardOutput().constData());
    }

    // Run by the case above, in the child process.
    void printOnce() {
        if (qEnvironmentVariableIsEmpty("VESQUIN_CUPS_LIBRARY")) QSKIP("run by the cases above");
        QCOMPARE(vesquin::LoadCupsLibrary(), nullptr);
        const auto window = ShowWindow();
        QVERIFY(window);
        QVERIFY(RunSimulation(*window, QStringLiteral("1.000")));
        const QStringList boxes = AllBoxTexts(*window);
        MessageCatcher catcher;
        QVERIFY(PressPrint(*window));
        QCOMPARE(catcher.messages().size(), 1);
        const MessageCatcher::Message message = catcher.messages().first();
        QCOMPARE(message.icon, QMessageBox::Warning);
        QCOMPARE(message.text, QStringLiteral("No se ha podido imprimir el informe."));
        QCOMPARE(message.informativeText, vesquin::MissingCupsLibraryText());
        QVERIFY(message.informativeText.contains(QStringLiteral("libcups")));
        QCOMPARE(AllBoxTexts(*window), boxes);
    }
};

QTEST_MAIN(PrintWithoutCupsLibraryTest)
#include "print_without_cups_library_test.moc"
