// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace vesquin {

// Writes `bytes` to `path` all at once: the file is written beside its place and
// only then put there, so a failure (an unwritable folder, a full disk) leaves any
// file already at `path` as it was and no half-written file behind.
// Returns the empty text on success, otherwise what went wrong.
QString SaveWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace vesquin
