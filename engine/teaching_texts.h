// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teaching view's own words beyond the theory panel: how to read the
// logarithmic axis, the caption under a saved picture of the charts, and why a
// file could not be saved.

#include <string>
#include <string_view>

#include "catalogue.h"
#include "number_text.h"
#include "run_history.h"

namespace vesquin {

// The legend entry of the three dashed lines.
inline constexpr Message kTheoryLegendName = Msg("chart legend", "Teoría (líneas discontinuas)");

// Under the trials axis, which is logarithmic.
inline constexpr Message kLogScaleNote = Msg("chart axis note", "cada marca vertical: diez veces más ensayos");

// A tick of the trials axis: 1000000 gives "1.000.000" with Spanish symbols.
std::string TrialsTickText(double trials, const LocaleSymbols& symbols);

// The line written under the charts of a saved picture, so that the picture says
// which run it shows and how to perform it again:
// "Simulación nº 4: 1.000 ensayos, semilla 123, 09/12/2026 11:05:32", or for the
// total row "Total de 25 ejecuciones: 1.000 ensayos". A missing date or time is left out.
std::string ChartsCaption(const HistoryEntry& entry, const LocaleSymbols& symbols);

// The step of saving a file that failed, when the system gave no reason of its own.
enum class SaveStep {
    Open,    // the file could not be created beside its place
    Write,   // the bytes did not all go in (a full disk, a quota)
    Finish,  // the written file could not be flushed or put in its place
};

// Why the save failed, as the end of "No se ha podido guardar «…»: {cause}.".
std::string_view SaveFailureCause(SaveStep step);

// The teaching view's check box for a projector, with "&" before its access key, and
// what it does, for a screen reader.
std::string_view LargeScreenToggleLabel();
std::string_view LargeScreenDescription();

}  // namespace vesquin
