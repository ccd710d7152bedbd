// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The footer label as a link: drawn in the link colour, underlined, with a
// pointing hand, and opening something when clicked. Its text, font, place and
// size stay as laid out, and it never takes the focus (the keyboard has its own
// key for the same thing), so the window's tab chain is untouched.

#include <functional>

class QLabel;

namespace vesquin {

void MakeFooterLink(QLabel& label, std::function<void()> open);

}  // namespace vesquin
