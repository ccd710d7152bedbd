// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_file.h"

#include <QFile>
#include <QSaveFile>

#include "teaching_texts.h"

namespace vesquin {

namespace {

// The system's reason when it gave one. A device that has said nothing still
// answers "Unknown error" (in the user's language), which names no cause.
QString ErrorOf(const QSaveFile& file, SaveStep step) {
    const QString error = file.errorString();
    if (error.isEmpty() || error == QFile().errorString())
        return QString::fromUtf8(SaveFailureCause(step));
    return error;
}

qint64 WriteDirectly(QIODevice& file, const char* data, qint64 size) {
    return file.write(data, size);
}

}  // namespace

QString SaveWholeFile(const QString& path, const QByteArray& bytes, const WriteSome& writeSome) {
    const WriteSome& write = writeSome ? writeSome : WriteSome(WriteDirectly);
    QSaveFile file(path);
    // Unbuffered, so that a refused write is seen here, with its reason, rather
    // than at the final flush, which reports a short write as no reason at all.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return ErrorOf(file, SaveStep::Open);
    // A nearly full disk takes the first bytes and refuses the rest without a
    // reason; asking again for the rest brings the reason out ("no space left").
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 done = write(file, bytes.constData() + written, bytes.size() - written);
        if (done <= 0) {
            const QString error = ErrorOf(file, SaveStep::Write);
            file.cancelWriting();
            return error;
        }
        written += done;
    }
    if (!file.commit()) return ErrorOf(file, SaveStep::Finish);
    return {};
}

}  // namespace vesquin
