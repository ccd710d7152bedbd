// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window program reads the font configuration on a second thread while the
// application object is being made, as its main does. Qt's font database must then
// find the same fonts it finds without that, and the window's own typefaces must
// resolve as they do: a race or a half-read configuration would show here as a crash,
// a hang or missing families.

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#include "fonts.h"
#include "startup_warm_up.h"

namespace {

QStringList g_familiesFoundAfterWarmUp;

}  // namespace

class StartupWarmUpTest : public QObject {
    Q_OBJECT

  private slots:
    void findsTheFontsTheWindowIsDrawnWith_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("drawnWith");
        QTest::newRow("window font") << QStringLiteral("MS Sans Serif") << QStringLiteral("Liberation Sans");
        QTest::newRow("handwriting") << QStringLiteral("Comic Sans MS") << QStringLiteral("Comic Neue");
    }

    void findsTheFontsTheWindowIsDrawnWith() {
        QFETCH(QString, asked);
        QFETCH(QString, drawnWith);
        QVERIFY2(g_familiesFoundAfterWarmUp.contains(drawnWith), qPrintable(drawnWith));
        QCOMPARE(QFontInfo(QFont(asked)).family(), drawnWith);
    }

    void aSecondWarmUpChangesNothing() {
        vesquin::StartupWarmUp again;
        again.Finish();
        again.Finish();
        QCOMPARE(QFontDatabase::families(), g_familiesFoundAfterWarmUp);
    }
};

int main(int argc, char* argv[]) {
    // As the program does: the warm-up runs while the application object is made.
    vesquin::StartupWarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.Finish();
    vesquin::InstallFontSubstitutions();
    g_familiesFoundAfterWarmUp = QFontDatabase::families();
    StartupWarmUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_warm_up_test.moc"
