// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line_texts.h"

#include "catalogue.h"

namespace vesquin {

std::string_view CommandLineUsage() {
    return "vesquin --ensayos N [--semilla S] [--formato texto|csv|json]";
}

std::string CommandLineHelp(std::string_view maximum, std::string_view largestSeed) {
    // Translators: a terminal's help; keep every line within 80 columns and the columns
    // aligned. Options, their values (texto, csv, json, the language codes) and the
    // examples stay as they are: they are what the user types.
    return Text("command line help",
                "Uso: {usage}\n"
                "       [--tiradores K] [--platos P] [--idioma L]\n"
                "Simula N veces a los tres tiradores y los seis platos sin abrir ninguna ventana\n"
                "y escribe los resultados. Sin opciones, vesquin abre su ventana.\n"
                "\n"
                "  --ensayos N           cuántos ensayos: de 1 a {maximum}\n"
                "  --semilla S           repite la tirada de esa semilla (de 0 a {largest_seed});\n"
                "                        sin ella, la semilla sale del reloj y se escribe\n"
                "  --formato F           texto (el informe, por omisión), csv o json\n"
                "  --tiradores K         otro experimento: K tiradores, de 1 a 10 (3)\n"
                "  --platos P            y P platos, de 2 a 20 (6); con cualquiera de los dos,\n"
                "                        una línea (o fila de csv) por cada número de platos rotos\n"
                "  --idioma L            el idioma de los textos, también el de la ventana:\n"
                "                        ca, gl, eu, en o es (sin ella, el del entorno)\n"
                "  -h, --ayuda, --help   esta ayuda\n"
                "  --version             la versión\n"
                "\n"
                "Ejemplos:\n"
                "  vesquin --ensayos 1000\n"
                "  vesquin --ensayos={maximum} --semilla 42 --formato json\n"
                "  vesquin --ensayos 500 --formato csv > resultados.csv\n"
                "  vesquin --tiradores 4 --platos 8 --ensayos 1000 --semilla 42\n"
                "  vesquin --idioma ca\n",
                {{"usage", CommandLineUsage()}, {"maximum", maximum}, {"largest_seed", largestSeed}});
}

std::string UsageErrorLine(std::string_view problem) {
    return Text("command line error", "vesquin: {problem}. Uso: {usage} (más en «vesquin --ayuda»)",
                {{"problem", problem}, {"usage", CommandLineUsage()}});
}

std::string OptionTakesNoValue(std::string_view option) {
    return Text("command line error", "{option} no lleva valor", {{"option", option}});
}

std::string MissingOptionValue(std::string_view option) {
    return Text("command line error", "falta el valor de {option}", {{"option", option}});
}

std::string_view MissingCount() {
    return Text("command line error", "falta --ensayos: cuántos ensayos hacer");
}

std::string FormatRefusal(std::string_view quotedValue) {
    return Text("option refusal", "{value} no es un formato: texto, csv o json",
                {{"value", quotedValue}});
}

std::string ExtraArgument(std::string_view quotedArgument) {
    return Text("command line error", "sobra {argument}", {{"argument", quotedArgument}});
}

std::string UnknownOption(std::string_view quotedArgument, std::string_view meant) {
    if (meant.empty()) {
        return Text("command line error", "opción desconocida {argument}",
                    {{"argument", quotedArgument}});
    }
    return Text("command line error", "opción desconocida {argument} (¿querías decir {option}?)",
                {{"argument", quotedArgument}, {"option", meant}});
}

std::string_view OutputFailureLine() {
    return Text("command line error", "vesquin: no se han podido escribir los resultados");
}

std::string_view NoDisplayLine() {
    return Text("command line error",
                "vesquin: no hay ninguna pantalla en la que abrir la ventana (ni DISPLAY ni "
                "WAYLAND_DISPLAY). Para abrirla en una pantalla virtual: «xvfb-run vesquin»; para "
                "simular sin ventana: «vesquin --ensayos 1000» (más en «vesquin --ayuda»)");
}

std::string WindowFailureLine(std::string_view program, std::string_view reason) {
    return Text("command line error", "vesquin: no se ha podido abrir la ventana («{program}»: {reason})",
                {{"program", program}, {"reason", reason}});
}

}  // namespace vesquin
