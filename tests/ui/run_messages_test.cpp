// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words a user reads when a count cannot be simulated.
#include <QtTest>

#include "commands.h"
#include "run_messages.h"

using vesquin::kEnglishSymbols;
using vesquin::kSpanishSymbols;
using vesquin::LocaleSymbols;
using vesquin::RunError;
using vesquin::RunFailure;

Q_DECLARE_METATYPE(RunFailure)
Q_DECLARE_METATYPE(LocaleSymbols)

namespace {

const LocaleSymbols kFrenchSymbols{",", "\u202f"};

const QString kSpanishTail = QStringLiteral("un número entero entre 1 y 1.000.000.");

}  // namespace

class RunMessagesTest : public QObject {
    Q_OBJECT

  private slots:
    void saysWhatIsWrongAndWhatIsAccepted_data() {
        QTest::addColumn<RunFailure>("failure");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<LocaleSymbols>("symbols");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("message");

        const int million = vesquin::kMaximumTrials;
        QTest::newRow("empty") << RunFailure::EmptyCount << QString() << kSpanishSymbols << million
                               << "Indica cuántas veces haremos la simulación: " + kSpanishTail;
        QTest::newRow("only blanks")
            << RunFailure::EmptyCount << QStringLiteral("   ") << kSpanishSymbols << million
            << "Indica cuántas veces haremos la simulación: " + kSpanishTail;
        QTest::newRow("letters")
            << RunFailure::NotANumber << QStringLiteral("abc") << kSpanishSymbols << million
            << "«abc» no es un número. Indica cuántas veces haremos la simulación: " + kSpanishTail;
        QTest::newRow("number and word")
            << RunFailure::NotANumber << QStringLiteral("10 platos") << kSpanishSymbols << million
            << "«10 platos» no es un número. Indica cuántas veces haremos la simulación: " +
                   kSpanishTail;
        QTest::newRow("typed percent signs stay as typed")
            << RunFailure::NotANumber << QStringLiteral("%1 y %2") << kSpanishSymbols << million
            << "«%1 y %2» no es un número. Indica cuántas veces haremos la simulación: " +
                   kSpanishTail;
        QTest::newRow("English symbols")
            << RunFailure::NotANumber << QStringLiteral("1.5x") << kEnglishSymbols << million
            << QStringLiteral(
                   "«1.5x» no es un número. Indica cuántas veces haremos la "
                   "simulación: un número entero entre 1 y 1,000,000.");
        QTest::newRow("fewer than one")
            << RunFailure::FewerThanOne << QStringLiteral("0") << kSpanishSymbols << million
            << QStringLiteral(
                   "Hay que hacer la simulación al menos una vez. Indica un número "
                   "entre 1 y 1.000.000.");
        QTest::newRow("more than the maximum")
            << RunFailure::MoreThanMaximum << QStringLiteral("1.000.001") << kSpanishSymbols
            << million
            << QStringLiteral(
                   "Como máximo se puede hacer la simulación 1.000.000 veces. Indica "
                   "un número entre 1 y 1.000.000.");
        QTest::newRow("French grouping, a narrow no-break space")
            << RunFailure::MoreThanMaximum << QStringLiteral("2000000") << kFrenchSymbols << million
            << QStringLiteral(
                   "Como máximo se puede hacer la simulación 1\u202f000\u202f000 "
                   "veces. Indica un número entre 1 y 1\u202f000\u202f000.");
        QTest::newRow("the maximum in force, not the advertised one")
            << RunFailure::MoreThanMaximum << QStringLiteral("9999999999") << kSpanishSymbols
            << 429496729
            << QStringLiteral(
                   "Como máximo se puede hacer la simulación 429.496.729 veces. "
                   "Indica un número entre 1 y 429.496.729.");
    }

    void saysWhatIsWrongAndWhatIsAccepted() {
        QFETCH(RunFailure, failure);
        QFETCH(QString, typed);
        QFETCH(LocaleSymbols, symbols);
        QFETCH(int, maximum);
        QFETCH(QString, message);
        QCOMPARE(vesquin::RunFailureMessage(typed, RunError{failure, maximum}, symbols), message);
    }

    // Only the quoted count changes with its length.
    void quotesLongCountsCutAtFortyCharacters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("quoted");

        const QString forty = QStringLiteral("abcdefghij0123456789ABCDEFGHIJ9876543210");
        QTest::newRow("forty, whole") << forty << forty;
        QTest::newRow("forty-one, cut") << forty + u'Z' << forty + u'…';
        QTest::newRow("accented letters count once")
            << QString(41, u'á') << QString(40, u'á') + u'…';
        QTest::newRow("a character outside the basic plane is never halved")
            << forty.left(39) + QStringLiteral("😀😀") << forty.left(39) + QStringLiteral("😀…");
        QTest::newRow("forty with one outside the basic plane, whole")
            << forty.left(39) + QStringLiteral("😀") << forty.left(39) + QStringLiteral("😀");
    }

    void quotesLongCountsCutAtFortyCharacters() {
        QFETCH(QString, typed);
        QFETCH(QString, quoted);
        const QString message = vesquin::RunFailureMessage(
            typed, RunError{RunFailure::NotANumber, vesquin::kMaximumTrials}, kSpanishSymbols);
        QCOMPARE(message, "«" + quoted +
                              "» no es un número. Indica cuántas veces haremos la simulación: " +
                              kSpanishTail);
    }

    void hintShowsTheMaximumInTheUsersSymbols() {
        QCOMPARE(vesquin::MaximumHint(vesquin::kMaximumTrials, kSpanishSymbols),
                 QStringLiteral("(Máximo 1.000.000)"));
        QCOMPARE(vesquin::MaximumHint(vesquin::kMaximumTrials, kEnglishSymbols),
                 QStringLiteral("(Máximo 1,000,000)"));
    }
};

QTEST_GUILESS_MAIN(RunMessagesTest)
#include "run_messages_test.moc"
