// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line_texts.h"

namespace vesquin {

std::string_view CommandLineUsage() {
    return "vesquin --ensayos N [--semilla S] [--formato texto|csv|json]";
}

std::string CommandLineHelp(std::string_view maximum, std::string_view largestSeed) {
    const std::string most(maximum);
    return "Uso: " + std::string(CommandLineUsage()) +
           "\n"
           "       [--tiradores K] [--platos P]\n"
           "Simula N veces a los tres tiradores y los seis platos sin abrir ninguna ventana\n"
           "y escribe los resultados. Sin opciones, vesquin abre su ventana.\n"
           "\n"
           "  --ensayos N           cuántos ensayos: de 1 a " +
           most +
           "\n"
           "  --semilla S           repite la tirada de esa semilla (de 0 a " +
           std::string(largestSeed) +
           ");\n"
           "                        sin ella, la semilla sale del reloj y se escribe\n"
           "  --formato F           texto (el informe, por omisión), csv o json\n"
           "  --tiradores K         otro experimento: K tiradores, de 1 a 10 (3)\n"
           "  --platos P            y P platos, de 2 a 20 (6); con cualquiera de los dos,\n"
           "                        una línea (o fila de csv) por cada número de platos rotos\n"
           "  -h, --ayuda, --help   esta ayuda\n"
           "  --version             la versión\n"
           "\n"
           "Ejemplos:\n"
           "  vesquin --ensayos 1000\n"
           "  vesquin --ensayos=" +
           most +
           " --semilla 42 --formato json\n"
           "  vesquin --ensayos 500 --formato csv > resultados.csv\n"
           "  vesquin --tiradores 4 --platos 8 --ensayos 1000 --semilla 42\n";
}

}  // namespace vesquin
