// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_view_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include "teaching_module_texts.h"
#include "teaching_view_maker.h"

#ifndef VESQUIN_TEACHING_MODULE_FILE
#define VESQUIN_TEACHING_MODULE_FILE "vesquin-teaching.so"
#endif
#ifndef VESQUIN_TEACHING_MODULE_DIR
#define VESQUIN_TEACHING_MODULE_DIR "."
#endif

namespace vesquin {
namespace {

struct LoadedMaker {
    TeachingViewMaker maker = nullptr;
    QString failure;
};

LoadedMaker LoadModule() {
    const QStringList candidates = TeachingModuleCandidates();
    QString path = candidates.front();
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    if (!QFileInfo(path).isFile())
        return {nullptr, QString::fromStdString(TeachingModuleFailureText(
                             TeachingModuleFailure::Missing, path.toStdString()))};
    // Never unloaded: the view's code runs until the program ends. Every symbol is
    // bound now, so a module from another build fails here and not in mid-draw.
    auto* library = new QLibrary(path);
    library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    auto maker = reinterpret_cast<TeachingViewMaker>(library->resolve(kTeachingModuleEntry));
    if (!maker) {
        qWarning("vesquin: %s", qUtf8Printable(library->errorString()));
        delete library;
        return {nullptr, QString::fromStdString(TeachingModuleFailureText(
                             TeachingModuleFailure::Unusable, path.toStdString()))};
    }
    return {maker, QString()};
}

}  // namespace

QStringList TeachingModuleCandidates() {
    const QString chosen = qEnvironmentVariable("VESQUIN_TEACHING_MODULE");
    if (!chosen.isEmpty()) return {chosen};
    const QDir program(QCoreApplication::applicationDirPath());
    const QString file = QStringLiteral(VESQUIN_TEACHING_MODULE_FILE);
    return {program.filePath(file),
            QDir::cleanPath(program.filePath(QStringLiteral(VESQUIN_TEACHING_MODULE_DIR) +
                                             QLatin1Char('/') + file))};
}

MadeTeachingView MakeTeachingView(RunHistoryModel& history) {
    TeachingViewMaker maker = LinkedTeachingViewMaker();
    if (!maker) {
        // Tried again at the next opening after a failure: the file may have been put back.
        static LoadedMaker loaded;
        if (!loaded.maker) loaded = LoadModule();
        if (!loaded.maker) return {nullptr, loaded.failure};
        maker = loaded.maker;
    }
    return {std::unique_ptr<QWidget>(maker(history)), QString()};
}

}  // namespace vesquin
