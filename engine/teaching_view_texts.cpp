// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_view_texts.h"

namespace vesquin {

std::string SaveFailureText(std::string_view path, std::string_view cause) {
    // Translators: {cause} is a save failure cause, written in lower case
    return Text("save failure",
                "No se ha podido guardar «{path}»: {cause}. No se ha escrito nada; prueba con otra "
                "carpeta o libera espacio en el disco.",
                {{"path", path}, {"cause", cause}});
}

std::string TheorySeriesName(std::string_view runSeriesName) {
    return Text("chart series", "{run}, teoría", {{"run", runSeriesName}});
}

std::string TheoryRowDescription(std::string_view row, std::string_view theory,
                                 std::string_view simulated) {
    if (simulated.empty()) {
        return Text("theory panel description", "{row}: teoría {theory}",
                    {{"row", row}, {"theory", theory}});
    }
    return Text("theory panel description", "{row}: teoría {theory}, simulación {simulated}",
                {{"row", row}, {"theory", theory}, {"simulated", simulated}});
}

std::string BoxRangeDescription(std::string_view least, std::string_view most) {
    return Text("number box description", "Entre {least} y {most}",
                {{"least", least}, {"most", most}});
}

}  // namespace vesquin
