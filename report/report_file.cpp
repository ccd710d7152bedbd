// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtGlobal>

#include "catalogue_qstring.h"

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

namespace vesquin {

namespace {

// Far more copies than one second of printing can make; a bound so that a
// folder that refuses every name cannot keep the command going for ever.
constexpr int kMaximumCopies = 1000;

}  // namespace

QString UserDatabaseHome() {
#if defined(Q_OS_UNIX)
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || !*found->pw_dir)
        return {};
    return QFile::decodeName(found->pw_dir);
#else
    return {};
#endif
}

QString ReportFolder(const HomeLookup& lookup) {
#if defined(Q_OS_UNIX)
    // Without HOME, Qt takes the root of the disk for the home folder.
    if (qEnvironmentVariableIsEmpty("HOME")) {
        const QString home = lookup ? lookup() : QString();
        if (home.isEmpty() || !QDir::isAbsolutePath(home)) return {};
        qputenv("HOME", QFile::encodeName(home));
    }
#else
    Q_UNUSED(lookup);
#endif
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString ReportFileName(const QDateTime& when, int copy) {
    QString name =
        QStringLiteral("Vesquin - informe ") + when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    if (copy >= 2) name += QStringLiteral(" (%1)").arg(copy);
    return name + QStringLiteral(".pdf");
}

ReportFile CreateReportFile(const QString& folder, const QDateTime& when) {
    if (!QDir().mkpath(folder)) {
        return {nullptr, ToQString(Text("save failure", "No se puede crear la carpeta {folder}.",
                                        {{"folder", Utf8(QDir::toNativeSeparators(folder))}}))};
    }
    const QDir dir(folder);
    for (int copy = 1; copy <= kMaximumCopies; ++copy) {
        auto file = std::make_unique<QFile>(dir.filePath(ReportFileName(when, copy)));
        if (file->exists()) continue;
        // NewOnly fails rather than truncate a file that appeared since the check.
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) return {std::move(file), {}};
        if (file->exists()) continue;
        return {nullptr, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file->fileName()),
                                                      file->errorString())};
    }
    return {nullptr,
            ToQString(Text("save failure", "Hay demasiados informes con la misma hora en {folder}.",
                           {{"folder", Utf8(QDir::toNativeSeparators(folder))}}))};
}

}  // namespace vesquin
