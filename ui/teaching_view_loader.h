// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teaching view, made in-process when the program links it and otherwise from
// the teaching module, which brings Qt Charts with it: loading it only when the
// view first opens keeps those libraries out of the window's start-up.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace vesquin {

class RunHistoryModel;

struct MadeTeachingView {
    std::unique_ptr<QWidget> view;  // null when it could not be made
    QString failure;                // then why, for the user
};

// The module is VESQUIN_TEACHING_MODULE when that is set (for the tests), else the
// first file that exists of: beside the program (the build tree) and the installed
// module folder relative to it. It is loaded once and kept for the process's life.
MadeTeachingView MakeTeachingView(RunHistoryModel& history);

// Where the module is looked for, in order.
QStringList TeachingModuleCandidates();

}  // namespace vesquin
