// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's controls as one table: name, kind, container, place and size,
// text, font, colours, alignment and place in the tab order. Plain data, so that
// every face that draws the window (the desktop window, the web page) draws it
// from the same rows; building the controls is each face's job.

#include <array>
#include <string_view>

#include "catalogue.h"

namespace vesquin::layout {

enum class Kind { Label, Frame, TextBox, Button };

// F1 is "MS Sans Serif" 9.75 pt, F1B the same in bold, F3 18 pt bold, F4 "Comic Sans MS"
// 8.25 pt; Default is the window's own font.
enum class Face { Default, F1, F1B, F3, F4 };

enum class Colours {
    System,
    Red,          // text 255,0,0
    DarkRed,      // text 192,0,0
    Simulated,    // text 192,0,0 on 224,224,224
    Theoretical,  // text 0,0,255 on 192,192,192
};

// The table keeps each text in Spanish, which is its key in the catalogue; a face shows
// Text(TextContext(kind), text). Msg marks the texts for extraction, so its context must be
// the one TextContext gives for the control's kind (a test holds the two together).
constexpr const char* Marked(Message message) {
    return message.id.data();
}

struct ControlPlacement {
    const char* name;
    Kind kind;
    const char* container;         // nullptr: the window itself
    int left, top, width, height;  // twips from the container's top left corner
    const char* text;              // Spanish; text boxes' own contents are not translated
    Face face;
    Colours colours;
    bool centred;
    int tab;
    const char* accessibleName;  // text boxes: what a screen reader says the number is
};

constexpr std::string_view TextContext(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "window label";
        case Kind::Frame:
            return "window frame";
        case Kind::Button:
            return "window button";
        case Kind::TextBox:
            break;
    }
    return {};
}
inline constexpr std::string_view kSpokenNameContext = "window box name";

inline constexpr const char* kWindowName = "frmVesquin";
inline constexpr const char* kCaption = "Vesquin";
inline constexpr int kClientWidth = 10230;
inline constexpr int kClientHeight = 7500;

// The two blanks after "que" belong to the statement.
inline constexpr const char* kProblemStatement = Marked(
    // Translators: the puzzle's statement, in four lines of 657 × 65 pixels, 9.75 pt sans
    Msg("window label",
        "Tres tiradores infalibles (cuando disparan nunca fallan) han decidido practicar juntos el "
        "tiro. Para ello acceden a las instalaciones del Club Deportivo QUENDAL y, una vez en sus "
        "puestos, piden que  les lancen, a la vez, seis platos. Sin embargo no se pueden poner de "
        "acuerdo acerca del plato al que disparará cada uno."));

// Containers come before the controls they hold.
inline constexpr std::array kControls{
    ControlPlacement{"Label14", Kind::Label, nullptr, 720, 120, 9375, 495,
                     // Translators: one line of 625 pixels, 18 pt bold sans
                     Marked(Msg("window label", "VESQUIN")), Face::F3, Colours::Red, true, 28,
                     nullptr},
    ControlPlacement{"Label15", Kind::Label, nullptr, 600, 600, 9615, 255,
                     // Translators: one line of 641 pixels, 9.75 pt sans
                     Marked(Msg("window label", "(Simulación por ordenador)")), Face::F1,
                     Colours::Red, true, 29, nullptr},
    ControlPlacement{"Label18", Kind::Label, nullptr, 240, 1080, 9855, 975, kProblemStatement,
                     Face::F1, Colours::DarkRed, true, 31, nullptr},
    ControlPlacement{
        "Label19", Kind::Label, nullptr, 2160, 1920, 6375, 615,
        // Translators: the question, in two lines of 425 × 41 pixels, 9.75 pt bold sans
        Marked(Msg("window label",
                   "¿Cuál es el número de platos más probable que romperán? ¿Cuántos quedarán "
                   "intactos, por término medio?")),
        Face::F1B, Colours::DarkRed, true, 32, nullptr},
    ControlPlacement{"Frame2", Kind::Frame, nullptr, 360, 2640, 6615, 975,
                     // Translators: a frame caption in 441 pixels, 8.25 pt sans
                     Marked(Msg("window frame", "Datos")), Face::Default, Colours::System, false,
                     19, nullptr},
    ControlPlacement{"cmdSimular", Kind::Button, nullptr, 7200, 2760, 1215, 375,
                     // Translators: a button of 81 pixels, 9.75 pt sans; & marks the access key
                     Marked(Msg("window button", "&Simular")), Face::F1, Colours::System, false, 0,
                     nullptr},
    ControlPlacement{"cmdImprimir", Kind::Button, nullptr, 8520, 2760, 1215, 375,
                     // Translators: a button of 81 pixels, 9.75 pt sans; & marks the access key
                     Marked(Msg("window button", "&Imprimir")), Face::F1, Colours::System, false,
                     23, nullptr},
    ControlPlacement{"cmdBorrar", Kind::Button, nullptr, 7200, 3240, 1215, 375,
                     // Translators: a button of 81 pixels, 9.75 pt sans; & marks the access key
                     Marked(Msg("window button", "&Borrar")), Face::F1, Colours::System, false, 18,
                     nullptr},
    ControlPlacement{"cmdSalir", Kind::Button, nullptr, 8520, 3240, 1215, 375,
                     // Translators: a button of 81 pixels, 9.75 pt sans; & marks the access key
                     Marked(Msg("window button", "&Terminar")), Face::F1, Colours::System, false,
                     21, nullptr},
    ControlPlacement{"Frame1", Kind::Frame, nullptr, 360, 3840, 9375, 3255,
                     // Translators: a frame caption in 625 pixels, 8.25 pt sans
                     Marked(Msg("window frame", "Resultados")), Face::Default, Colours::System,
                     false, 2, nullptr},
    ControlPlacement{"Label11", Kind::Label, nullptr, 3600, 7200, 3615, 255,
                     // Translators: a link of one line of 241 pixels, 8.25 pt
                     Marked(Msg("window label", "Ver gráficos y teoría (F2)")), Face::F4,
                     Colours::System, true, 22, nullptr},

    ControlPlacement{"Label1", Kind::Label, "Frame2", 360, 360, 4695, 375,
                     // Translators: one line of 313 pixels, 9.75 pt bold sans
                     Marked(Msg("window label", "Indica cuántas veces haremos la simulación")),
                     Face::F1B, Colours::System, false, 20, nullptr},
    // Replaced by the hint in the user's symbols and language (MaximumHint).
    ControlPlacement{"Label16", Kind::Label, "Frame2", 240, 600, 4695, 255, "(Máximo 1.000.000)",
                     Face::Default, Colours::System, true, 30, nullptr},
    ControlPlacement{"txtNs", Kind::TextBox, "Frame2", 5040, 360, 1215, 360, "", Face::F1B,
                     Colours::System, true, 1,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Número de veces que haremos la simulación"))},

    ControlPlacement{"Label9", Kind::Label, "Frame1", 4560, 360, 1695, 375,
                     // Translators: a column heading of 113 pixels, 9.75 pt bold sans
                     Marked(Msg("window label", "Nº de veces")), Face::F1B, Colours::System, true,
                     12, nullptr},
    ControlPlacement{"Label10", Kind::Label, "Frame1", 6720, 360, 495, 255,
                     // Translators: a column heading of 33 pixels, 9.75 pt bold sans
                     Marked(Msg("window label", "%")), Face::F1B, Colours::System, true, 13,
                     nullptr},
    ControlPlacement{"Label12", Kind::Label, "Frame1", 7920, 120, 975, 495,
                     // Translators: a column heading of two lines of 65 pixels, 9.75 pt bold sans
                     Marked(Msg("window label", "% Teórico")), Face::F1B, Colours::System, true, 27,
                     nullptr},
    ControlPlacement{
        "Label3", Kind::Label, "Frame1", 720, 840, 3855, 255,
        // Translators: one line of 257 pixels, 9.75 pt bold sans; the dots lead to the number
        Marked(Msg("window label", "Se rompe un solo plato .....................")), Face::F1B,
        Colours::System, false, 4, nullptr},
    ControlPlacement{
        "Label4", Kind::Label, "Frame1", 720, 1200, 3735, 255,
        // Translators: one line of 249 pixels, 9.75 pt bold sans; the dots lead to the number
        Marked(Msg("window label", "Rompen dos platos ...........................")), Face::F1B,
        Colours::System, false, 5, nullptr},
    ControlPlacement{
        "Label5", Kind::Label, "Frame1", 720, 1560, 3735, 255,
        // Translators: one line of 249 pixels, 9.75 pt bold sans; the dots lead to the number
        Marked(Msg("window label", "Rompen tres platos ...........................")), Face::F1B,
        Colours::System, false, 6, nullptr},
    ControlPlacement{"txtS1", Kind::TextBox, "Frame1", 4800, 720, 1215, 375, " ", Face::F1B,
                     Colours::Simulated, true, 8,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Se rompe un solo plato, número de veces"))},
    ControlPlacement{"txtS2", Kind::TextBox, "Frame1", 4800, 1080, 1215, 375, " ", Face::F1B,
                     Colours::Simulated, true, 9,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Rompen dos platos, número de veces"))},
    ControlPlacement{"txtS3", Kind::TextBox, "Frame1", 4800, 1440, 1215, 375, " ", Face::F1B,
                     Colours::Simulated, true, 10,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Rompen tres platos, número de veces"))},
    ControlPlacement{"txtS1p", Kind::TextBox, "Frame1", 6480, 720, 975, 375, " ", Face::F1B,
                     Colours::Simulated, true, 14,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Se rompe un solo plato, porcentaje"))},
    ControlPlacement{"txtS2p", Kind::TextBox, "Frame1", 6480, 1080, 975, 375, " ", Face::F1B,
                     Colours::Simulated, true, 15,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Rompen dos platos, porcentaje"))},
    ControlPlacement{"txtS3p", Kind::TextBox, "Frame1", 6480, 1440, 975, 375, " ", Face::F1B,
                     Colours::Simulated, true, 16,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Rompen tres platos, porcentaje"))},
    ControlPlacement{"txtTeo1", Kind::TextBox, "Frame1", 7920, 720, 975, 375, "", Face::F1,
                     Colours::Theoretical, true, 24,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Se rompe un solo plato, porcentaje teórico"))},
    ControlPlacement{"txtTeo2", Kind::TextBox, "Frame1", 7920, 1080, 975, 375, "", Face::F1,
                     Colours::Theoretical, true, 25,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Rompen dos platos, porcentaje teórico"))},
    ControlPlacement{"txtTeo3", Kind::TextBox, "Frame1", 7920, 1440, 975, 375, "", Face::F1,
                     Colours::Theoretical, true, 26,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Rompen tres platos, porcentaje teórico"))},
    ControlPlacement{
        "Label2", Kind::Label, "Frame1", 360, 2280, 6855, 255,
        // Translators: one line of 457 pixels, 9.75 pt bold sans; the dots lead to the number
        Marked(Msg("window label",
                   "El número más probable de platos que se rompen es .....................")),
        Face::F1B, Colours::System, false, 3, nullptr},
    ControlPlacement{"txtS6", Kind::TextBox, "Frame1", 7680, 2160, 1215, 375, " ", Face::F1B,
                     Colours::Simulated, true, 11,
                     // Translators: what a screen reader says a number box holds
                     Marked(Msg("window box name", "Número más probable de platos que se rompen"))},
    ControlPlacement{
        "Label8", Kind::Label, "Frame1", 360, 2760, 6975, 255,
        // Translators: one line of 465 pixels, 9.75 pt bold sans; the dots lead to the number
        Marked(Msg("window label",
                   "El número de platos que queda intacto, por término medio es ........")),
        Face::F1B, Colours::System, false, 7, nullptr},
    ControlPlacement{
        "txtMed", Kind::TextBox, "Frame1", 7680, 2640, 1215, 375, "", Face::F1B, Colours::Simulated,
        true, 17,
        // Translators: what a screen reader says a number box holds
        Marked(Msg("window box name", "Número de platos que quedan intactos, por término medio"))},
};

}  // namespace vesquin::layout
