// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's boxes after seeded runs whose percentage is exactly a half at the
// third decimal: written rounded away from zero, as the number rules say.
#include <QtTest>

#include <QLineEdit>
#include <QWidget>

#include "commands.h"
#include "fonts.h"
#include "window_layout.h"

using namespace vesquin;

class ExactHalvesWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void halvesRoundAwayFromZero_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<qulonglong>("seed");
        QTest::addColumn<QString>("threeCount");
        QTest::addColumn<QString>("threePercent");
        // 555.850 of 1.000.000 is 55,585 %; 22.294 of 40.000 is 55,735 %.
        QTest::newRow("a million") << "1.000.000" << 166ull << "555.850"
                                   << "55,59";
        QTest::newRow("forty thousand") << "40.000" << 1ull << "22.294"
                                        << "55,74";
    }

    void halvesRoundAwayFromZero() {
        QFETCH(QString, count);
        QFETCH(qulonglong, seed);
        QFETCH(QString, threeCount);
        QFETCH(QString, threePercent);
        QWidget window;
        const WindowControls controls = BuildWindowControls(window);
        BoxNamed(controls.boxes, "txtNs")->setText(count);
        UniformSource source;
        const auto outcome = Simulate(controls.boxes, source, kSpanishSymbols, seed);
        QVERIFY(std::holds_alternative<RunRecord>(outcome));
        QCOMPARE(BoxNamed(controls.boxes, "txtS3")->text(), threeCount);
        QCOMPARE(BoxNamed(controls.boxes, "txtS3p")->text(), threePercent);
    }
};

QTEST_MAIN(ExactHalvesWindowTest)
#include "exact_halves_window_test.moc"
