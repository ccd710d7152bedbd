// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_file.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>

namespace vesquin {
namespace {

const QDateTime kWhen(QDate(2026, 12, 8), QTime(15, 31, 47));

std::string text(const QString& s) {
    return s.toStdString();
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

TEST(ReportFileName, NamesTheFileAfterTheLocalTimeAndCopy) {
    struct Case {
        QDateTime when;
        int copy;
        const char* name;
    };
    const Case cases[] = {
        {kWhen, 1, "Vesquin - informe 2026-12-08 15.31.47.pdf"},
        {kWhen, 2, "Vesquin - informe 2026-12-08 15.31.47 (2).pdf"},
        {kWhen, 12, "Vesquin - informe 2026-12-08 15.31.47 (12).pdf"},
        {QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)), 1,
         "Vesquin - informe 2027-01-02 03.04.05.pdf"},
        {QDateTime(QDate(2026, 7, 9), QTime(23, 59, 9)), 1,
         "Vesquin - informe 2026-07-09 23.59.09.pdf"},
    };
    for (const Case& c : cases) EXPECT_EQ(text(ReportFileName(c.when, c.copy)), c.name);
}

TEST(CreateReportFile, CreatesTheMissingFolderAndTheFirstCopy) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString folder = temp.filePath(QStringLiteral("Documentos/Informes"));
    ReportFile created = CreateReportFile(folder, kWhen);
    ASSERT_TRUE(created.file) << text(created.error);
    EXPECT_TRUE(created.file->isWritable());
    EXPECT_EQ(
        text(created.file->fileName()),
        text(QDir(folder).filePath(QStringLiteral("Vesquin - informe 2026-12-08 15.31.47.pdf"))));
    EXPECT_TRUE(QFile::exists(created.file->fileName()));
}

TEST(CreateReportFile, NeverOverwritesAnEarlierReport) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString first = temp.filePath(ReportFileName(kWhen, 1));
    const QString third = temp.filePath(ReportFileName(kWhen, 3));
    writeFile(first, "first");
    writeFile(third, "third");  // a gap is filled, a later copy is left alone

    ReportFile second = CreateReportFile(temp.path(), kWhen);
    ASSERT_TRUE(second.file) << text(second.error);
    EXPECT_EQ(text(second.file->fileName()), text(temp.filePath(ReportFileName(kWhen, 2))));
    second.file->write("second");
    second.file->close();

    ReportFile fourth = CreateReportFile(temp.path(), kWhen);
    ASSERT_TRUE(fourth.file) << text(fourth.error);
    EXPECT_EQ(text(fourth.file->fileName()), text(temp.filePath(ReportFileName(kWhen, 4))));

    EXPECT_EQ(contentsOf(first), "first");
    EXPECT_EQ(contentsOf(third), "third");
    EXPECT_EQ(contentsOf(temp.filePath(ReportFileName(kWhen, 2))), "second");
}

TEST(CreateReportFile, ExplainsAFolderThatCannotBeMade) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    // A plain file where the folder should be: refused even to root.
    const QString blocker = temp.filePath(QStringLiteral("Documentos"));
    writeFile(blocker, "not a folder");
    const ReportFile failed = CreateReportFile(blocker + QStringLiteral("/Informes"), kWhen);
    EXPECT_FALSE(failed.file);
    EXPECT_TRUE(failed.error.contains(QStringLiteral("Documentos/Informes"))) << text(failed.error);
    EXPECT_EQ(contentsOf(blocker), "not a folder");
}

}  // namespace
}  // namespace vesquin
