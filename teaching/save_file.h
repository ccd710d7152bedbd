// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace vesquin {

// One write of up to `size` bytes to the file being saved; returns how many went
// in, or -1, as QIODevice::write does. Tests put a disk that fills up in its place.
using WriteSome = std::function<qint64(QIODevice& file, const char* data, qint64 size)>;

// Writes `bytes` to `path` all at once: the file is written beside its place and
// only then put there, so a failure (an unwritable folder, a full disk) leaves any
// file already at `path` as it was and no half-written file behind.
// Returns the empty text on success, otherwise what went wrong: the system's own
// reason when it gives one, else which step failed (never "unknown error").
QString SaveWholeFile(const QString& path, const QByteArray& bytes,
                      const WriteSome& writeSome = {});

}  // namespace vesquin
