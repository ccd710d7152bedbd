// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the report goes when there is no printer: a new PDF file in the user's
// documents folder, named after the moment of printing.

#include <QString>

#include <functional>
#include <memory>

class QDateTime;
class QFile;

namespace vesquin {

// The user's home folder as the system's user database records it; empty where
// it records none (and on systems that have no such database).
QString UserDatabaseHome();

using HomeLookup = std::function<QString()>;

// The documents folder, or the home folder where the system names none. With
// HOME unset or empty (as some services run programs) the home comes from
// `lookup`, and HOME is set to it so that the documents folder is found there
// too; empty when there is no home folder at all.
QString ReportFolder(const HomeLookup& lookup = UserDatabaseHome);

// The report's title, for its document, its print job and its file: "Vesquin - informe".
QString ReportTitle();

// "Vesquin - informe 2026-12-08 15.31.47.pdf" for the first copy;
// copy 2 and later add " (2)", " (3)"... before the extension.
QString ReportFileName(const QDateTime& when, int copy);

struct ReportFile {
    std::unique_ptr<QFile> file;  // open for writing; null on failure
    QString error;                // why it could not be created, for the user
};

// Creates `folder` if missing, then a new file named for `when`, never
// overwriting one that exists, not even one made a moment before by another
// program: the next copy number is taken instead.
ReportFile CreateReportFile(const QString& folder, const QDateTime& when);

}  // namespace vesquin
