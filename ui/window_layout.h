// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The controls of the window, built from one table of names, places, texts,
// fonts and colours. Giving them behaviour is the window's job, not this file's.

#include <QHash>
#include <QString>

#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vesquin {

// The twelve text boxes by control name: txtNs and the eleven result boxes.
using TextBoxes = QHash<QString, QLineEdit*>;

// The box called `name` (UTF-8, as the engine and the report name boxes); null for any other name.
QLineEdit* BoxNamed(const TextBoxes& boxes, std::string_view name);

struct WindowControls {
    TextBoxes boxes;
    QPushButton* simulateButton = nullptr;  // cmdSimular
    QPushButton* printButton = nullptr;     // cmdImprimir
    QPushButton* clearButton = nullptr;     // cmdBorrar
    QPushButton* endButton = nullptr;       // cmdSalir
    QLabel* maximumHint = nullptr;          // Label16, whose number follows the user's symbols
};

// Creates every control on `window` (caption, fixed 682 x 500 client area, fonts,
// colours, read-only result boxes, accessible names, tab order) and gives each the
// object name it has in the layout: frmVesquin, txtNs, cmdSimular, Label14, Frame1...
WindowControls BuildWindowControls(QWidget& window);

}  // namespace vesquin
