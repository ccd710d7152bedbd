// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the user is told when a count cannot be simulated: what is wrong and
// what is accepted, in Spanish, with the numbers in the user's symbols.

#include <QString>
#include <QStringView>

#include "experiment_run.h"
#include "number_text.h"

namespace vesquin {

// The warning for a failed run. `typed` is the count as the user left it.
// With Spanish symbols and a maximum of 1000000, "abc" gives
// "«abc» no es un número. Indica cuántas veces haremos la simulación: un número
// entero entre 1 y 1.000.000."; a typed text past 40 characters is cut to 40 and ends in "…".
QString RunFailureMessage(QStringView typed, const RunError& error, const LocaleSymbols& symbols);

// The hint under the count box: "(Máximo 1.000.000)" with Spanish symbols.
QString MaximumHint(std::int32_t maximum, const LocaleSymbols& symbols);

}  // namespace vesquin
