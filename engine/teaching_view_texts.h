// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teaching view's controls, charts and dialogs, held here so that the page can show
// the same words: each is translated where it is placed, with Text(message).

#include <string>
#include <string_view>

#include "catalogue.h"

namespace vesquin {

inline constexpr Message kTeachingViewTitle =
    Msg("teaching view title", "Vesquin: gráficos y teoría");

// The run history and its buttons; "&" marks the access key.
inline constexpr Message kHistoryTitle = Msg("history frame", "Historial de ejecuciones");
inline constexpr Message kHistoryTableName = Msg("history table name", "Historial de ejecuciones");
inline constexpr Message kHistoryTableDescription =
    Msg("history table description",
        "Una fila por ejecución; elegir una fila la muestra en los gráficos. Control+C copia "
        "todo el historial.");
inline constexpr Message kRepeatButton = Msg("history button", "&Repetir");
inline constexpr Message kRepeatButtonName =
    Msg("history button name", "Repetir la ejecución elegida");
inline constexpr Message kRepeatButtonTip = Msg(
    "history button tooltip", "Vuelve a hacer la ejecución elegida, con sus ensayos y su semilla");
inline constexpr Message kEmptyHistoryButton = Msg("history button", "&Vaciar historial");
inline constexpr Message kEmptyHistoryButtonName = Msg("history button name", "Vaciar historial");
inline constexpr Message kCopyButton = Msg("history button", "&Copiar");
inline constexpr Message kCopyButtonName = Msg("history button name", "Copiar el historial");
inline constexpr Message kSaveCsvButton = Msg("history button", "Guardar C&SV…");
inline constexpr Message kSaveCsvButtonName =
    Msg("history button name", "Guardar el historial como CSV");
inline constexpr Message kSaveImageButton = Msg("history button", "Guardar &imagen…");
inline constexpr Message kSaveImageButtonName =
    Msg("history button name", "Guardar los gráficos como imagen");

// The save dialogs: title, the file name offered, and the filter of its kind of file.
inline constexpr Message kSaveCsvTitle = Msg("save dialog title", "Guardar el historial como CSV");
inline constexpr Message kSaveCsvFileName = Msg("save dialog file name", "Vesquin - historial.csv");
inline constexpr Message kSaveCsvFilter = Msg("save dialog filter", "Archivos CSV (*.csv)");
inline constexpr Message kSaveImageTitle =
    Msg("save dialog title", "Guardar los gráficos como imagen");
inline constexpr Message kSaveImageFileName =
    Msg("save dialog file name", "Vesquin - gráficos.png");
inline constexpr Message kSaveImageFilter = Msg("save dialog filter", "Imágenes PNG (*.png)");
inline constexpr Message kImageNotComposed =
    Msg("save failure cause", "no se pudo componer la imagen");

// "No se ha podido guardar «/home/ana/a.csv»: no se ha podido escribir entero; …", the
// path as the system writes it.
std::string SaveFailureText(std::string_view path, std::string_view cause);

// The convergence chart.
inline constexpr Message kConvergenceChartName = Msg("chart name", "Gráfico de convergencia");
inline constexpr Message kConvergenceChartDescription =
    Msg("chart description",
        "Frecuencia relativa, en tanto por ciento, de cada número de platos rotos tras n "
        "ensayos; las líneas discontinuas marcan los valores teóricos.");
inline constexpr Message kConvergenceChartTitle =
    Msg("chart title", "Convergencia hacia la teoría");
inline constexpr Message kTrialsAxisTitle =
    Msg("chart axis title", "Número de ensayos (escala logarítmica)");
inline constexpr Message kPercentAxisTitle = Msg("chart axis title", "Frecuencia relativa (%)");

// The dashed line of a run's theory in the legend: "2 platos rotos, teoría".
std::string TheorySeriesName(std::string_view runSeriesName);

// The bars of the run beside the theory.
inline constexpr Message kOutcomeBarsName =
    Msg("chart name", "Gráfico de barras: simulación frente a teoría");
inline constexpr Message kOutcomeBarsTitle = Msg("chart title", "Simulación frente a teoría");
inline constexpr Message kSimulatedBars = Msg("chart bar set", "Simulación");
inline constexpr Message kTheoryBars = Msg("chart bar set", "Teoría");
inline constexpr Message kBrokenAxisTitle = Msg("chart axis title", "Platos rotos");

// The theory panel.
inline constexpr Message kTheoryPanelTitle = Msg("theory panel frame", "Teoría exacta");
inline constexpr Message kTheoryPanelName = Msg("theory panel name", "Teoría exacta y simulación");
inline constexpr Message kFavourableHeading = Msg("theory panel heading", "Casos favorables");
inline constexpr Message kProbabilityHeading = Msg("theory panel heading", "Probabilidad");
inline constexpr Message kTheoryHeading = Msg("theory panel heading", "Teoría");

// One row of the panel as a screen reader hears it: "Rompen 2 platos: teoría 41,67 %,
// simulación 40,10 %"; without a run, only the theory.
std::string TheoryRowDescription(std::string_view row, std::string_view theory,
                                 std::string_view simulated);

// The experiment of the teaching view's own: its boxes and its button.
inline constexpr Message kShootersLabel = Msg("experiment label", "&Tiradores:");
inline constexpr Message kPlatesLabel = Msg("experiment label", "&Platos:");
inline constexpr Message kExperimentCountLabel = Msg("experiment label", "Ensay&os:");
inline constexpr Message kExperimentSimulateButton = Msg("experiment button", "Simu&lar");
inline constexpr Message kExperimentSimulateName =
    Msg("experiment button name", "Simular el experimento");

// What a screen reader adds to a number box: "Entre 1 y 10".
std::string BoxRangeDescription(std::string_view least, std::string_view most);

}  // namespace vesquin
