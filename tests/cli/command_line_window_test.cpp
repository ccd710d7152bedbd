// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line and the window read a count alike: for the same text and the same
// number symbols, both perform the same number of trials, or both refuse it with the
// same message.

#include <QSignalSpy>
#include <QtTest>

#include <string>

#include "command_line_invoke.h"
#include "commands.h"
#include "fonts.h"
#include "main_window.h"
#include "window_probe.h"

using namespace vesquin;
using namespace vesquin::test;

Q_DECLARE_METATYPE(vesquin::LocaleSymbols)

namespace {

// The same count typed for `vesquin --ensayos`, as the window's own maximum allows it.
cli_test::Outcome RunOnTheCommandLine(const QString& count, const LocaleSymbols& symbols) {
    static_assert(kMaximumTrials == 1'000'000, "cli_test::Invoke runs with this maximum");
    return cli_test::Invoke({"--ensayos=" + count.toStdString(), "--formato=json"}, symbols);
}

int JsonTrials(const std::string& json) {
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json));
    return document.object().value(QStringLiteral("ensayos")).toInt(-1);
}

}  // namespace

class CommandLineWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void sameTrialsOrSameMessage_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<LocaleSymbols>("symbols");
        QTest::addColumn<int>("trials");  // 0: refused
        const LocaleSymbols es = kSpanishSymbols;
        const LocaleSymbols en = kEnglishSymbols;
        struct Case {
            const char* name;
            QString count;
            int spanish;
            int english;
        };
        for (const Case& c : {
                 Case{"plain", QStringLiteral("1000"), 1000, 1000},
                 Case{"grouped with dots", QStringLiteral("1.000"), 1000, 1},
                 Case{"grouped with commas", QStringLiteral("1,000"), 1, 1000},
                 Case{"a half, to even", QStringLiteral("2,5"), 2, 25},
                 Case{"an English half", QStringLiteral("3.5"), 35, 4},
                 Case{"blanks around", QStringLiteral("  12 "), 12, 12},
                 Case{"the maximum", QStringLiteral("1.000.000"), 1000000, 0},
                 Case{"the English maximum", QStringLiteral("1,000,000"), 0, 1000000},
                 Case{"empty", QString(), 0, 0},
                 Case{"blanks", QStringLiteral("   "), 0, 0},
                 Case{"letters", QStringLiteral("abc"), 0, 0},
                 Case{"trailing word", QStringLiteral("10 platos"), 0, 0},
                 Case{"zero", QStringLiteral("0"), 0, 0},
                 Case{"negative", QStringLiteral("-5"), 0, 0},
                 Case{"rounds to zero", QStringLiteral("0,4"), 0, 4},
                 Case{"one past the maximum", QStringLiteral("1000001"), 0, 0},
                 Case{"past the counters", QStringLiteral("99999999999"), 0, 0},
                 Case{"long text", QString(50, u'x'), 0, 0},
                 Case{"accents", QStringLiteral("¿cuántos?"), 0, 0},
             }) {
            QTest::addRow("es: %s", c.name) << c.count << es << c.spanish;
            QTest::addRow("en: %s", c.name) << c.count << en << c.english;
        }
    }

    void sameTrialsOrSameMessage() {
        QFETCH(QString, count);
        QFETCH(LocaleSymbols, symbols);
        QFETCH(int, trials);

        MainWindow window(symbols);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy performed(&window, &MainWindow::runPerformed);
        window.findChild<QLineEdit*>(QStringLiteral("txtNs"))->setText(count);
        window.findChild<QWidget*>(QStringLiteral("cmdSimular"))->setFocus();
        MessageBoxAnswerer answerer;
        Press(Qt::Key_Return);

        const cli_test::Outcome line = RunOnTheCommandLine(count, symbols);
        if (trials == 0) {
            QCOMPARE(answerer.seen, 1);
            QCOMPARE(performed.count(), 0);
            QCOMPARE(line.status, kExitUsage);
            QCOMPARE(line.out, std::string());
            QCOMPARE(QString::fromStdString(line.err), answerer.text + u'\n');
        } else {
            QCOMPARE(answerer.seen, 0);
            QCOMPARE(performed.count(), 1);
            const auto record = performed.at(0).at(0).value<RunRecord>();
            QCOMPARE(record.trials, trials);
            QCOMPARE(line.status, kExitSuccess);
            QCOMPARE(line.err, std::string());
            QCOMPARE(JsonTrials(line.out), trials);
        }
    }
};

QTEST_MAIN(CommandLineWindowTest)
#include "command_line_window_test.moc"
