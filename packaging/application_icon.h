// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's icon, held in a Qt resource inside this library so that the window
// shows it on every platform, installed or not.

#include <QIcon>

namespace vesquin {

// The clay plate in the sights, in sizes from 16 to 256 pixels.
QIcon applicationIcon();

}  // namespace vesquin
