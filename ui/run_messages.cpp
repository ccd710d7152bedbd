// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_messages.h"

namespace vesquin {
namespace {

constexpr qsizetype kLongestQuotedCount = 40;

QString Grouped(std::int32_t value, const LocaleSymbols& symbols) {
    return QString::fromStdString(PatternFormat(double(value), Pattern::Grouped, symbols));
}

// Cut on a character boundary, so that a character outside the basic plane is never halved.
QString Shortened(QStringView typed) {
    qsizetype characters = 0;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i].isLowSurrogate()) continue;
        if (characters == kLongestQuotedCount) return typed.left(i).toString() + u'…';
        ++characters;
    }
    return typed.toString();
}

}  // namespace

QString RunFailureMessage(QStringView typed, const RunError& error, const LocaleSymbols& symbols) {
    const QString maximum = Grouped(error.maximum, symbols);
    switch (error.failure) {
        case RunFailure::EmptyCount:
            return QStringLiteral(
                       "Indica cuántas veces haremos la simulación: un número entero "
                       "entre 1 y %1.")
                .arg(maximum);
        case RunFailure::NotANumber:
            return QStringLiteral(
                       "«%1» no es un número. Indica cuántas veces haremos la "
                       "simulación: un número entero entre 1 y %2.")
                .arg(Shortened(typed), maximum);
        case RunFailure::FewerThanOne:
            return QStringLiteral(
                       "Hay que hacer la simulación al menos una vez. Indica un número "
                       "entre 1 y %1.")
                .arg(maximum);
        case RunFailure::MoreThanMaximum:
            return QStringLiteral(
                       "Como máximo se puede hacer la simulación %1 veces. Indica un "
                       "número entre 1 y %1.")
                .arg(maximum);
    }
    return {};
}

QString MaximumHint(std::int32_t maximum, const LocaleSymbols& symbols) {
    return QStringLiteral("(Máximo %1)").arg(Grouped(maximum, symbols));
}

}  // namespace vesquin
