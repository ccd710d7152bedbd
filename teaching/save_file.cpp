// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_file.h"

#include <QSaveFile>

namespace vesquin {

namespace {

QString ErrorOf(const QSaveFile& file) {
    const QString error = file.errorString();
    return error.isEmpty() ? QStringLiteral("error desconocido") : error;
}

}  // namespace

QString SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return ErrorOf(file);
    if (file.write(bytes) != bytes.size()) {
        const QString error = ErrorOf(file);
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return ErrorOf(file);
    return {};
}

}  // namespace vesquin
