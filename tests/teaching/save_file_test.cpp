// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Saving a whole file on disks that fill up part of the way: the user is told
// why, never "unknown error", and the file already there stays as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#include "save_file.h"
#include "teaching_texts.h"

namespace vesquin {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A disk with room for `room` more bytes: it takes what fits, then answers as a
// nearly full disk does, with `refusal` (0 or -1) and no reason.
WriteSome FillingDisk(qint64 room, qint64 refusal) {
    auto left = std::make_shared<qint64>(room);
    return [left, refusal](QIODevice& file, const char* data, qint64 size) -> qint64 {
        const qint64 fits = std::min(size, *left);
        if (fits == 0) return refusal;
        *left -= fits;
        return file.write(data, fits);
    };
}

TEST(SaveWholeFile, NamesTheCauseWhenTheDiskFillsAndKeepsTheOldFile) {
    const QByteArray bytes(5000, 'x');
    struct Case {
        const char* name;
        qint64 room;
        qint64 refusal;
    };
    const Case cases[] = {
        {"full from the start, -1", 0, -1},
        {"full from the start, nothing written", 0, 0},
        {"room for one byte", 1, 0},
        {"room for all but one byte", 4999, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        ASSERT_EQ(SaveWholeFile(path, "earlier"), QString());
        const QString error = SaveWholeFile(path, bytes, FillingDisk(c.room, c.refusal));
        EXPECT_EQ(error, QString::fromUtf8(SaveFailureCause(SaveStep::Write)));
        EXPECT_EQ(Contents(path), QByteArray("earlier"));
        // No half-written file left beside it.
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"historial.csv"});
    }
}

TEST(SaveWholeFile, WritesTheRestWhenADiskTakesItPieceByPiece) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("gráficos.png"));
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i) bytes.append(static_cast<char>(i % 251));
    // At most 7 bytes a write, as a slow or busy device may take them.
    const WriteSome trickle = [](QIODevice& file, const char* data, qint64 size) {
        return file.write(data, std::min<qint64>(size, 7));
    };
    EXPECT_EQ(SaveWholeFile(path, bytes, trickle), QString());
    EXPECT_EQ(Contents(path), bytes);
}

TEST(SaveWholeFile, NeverAnswersUnknownErrorWhenTheFolderCannotHoldIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("un archivo"));
    ASSERT_EQ(SaveWholeFile(file, "x"), QString());
    // Inside a "folder" that is a file: a reason, whoever gives it.
    const QString error = SaveWholeFile(file + QStringLiteral("/dentro.csv"), "y");
    EXPECT_FALSE(error.isEmpty());
    EXPECT_NE(error, QFile().errorString());
}

}  // namespace
}  // namespace vesquin
