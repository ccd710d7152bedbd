// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_handover.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "command_line_texts.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace vesquin {
namespace {

std::filesystem::path ThisProgram() {
#ifdef _WIN32
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::wstring(path, length));
#else
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
#endif
}

}  // namespace

std::string_view ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

bool HasDisplay(std::span<const std::string> arguments, const EnvironmentLookup& variable) {
#if defined(_WIN32) || defined(__APPLE__)
    (void)arguments, (void)variable;
    return true;
#else
    for (const std::string& argument : arguments) {
        if (argument == "-platform" || argument == "--platform") return true;
    }
    return !variable("DISPLAY").empty() || !variable("WAYLAND_DISPLAY").empty() ||
           !variable("QT_QPA_PLATFORM").empty();
#endif
}

std::string NoDisplayMessage() {
    return std::string(NoDisplayLine());
}

std::string WindowProgramPath(std::string_view relativePath) {
    const std::filesystem::path folder = ThisProgram().parent_path();
    const std::filesystem::path installed = folder / std::filesystem::path(relativePath);
    std::error_code error;
    if (std::filesystem::exists(installed, error)) return installed.string();
    return (folder / std::filesystem::path(relativePath).filename()).string();
}

std::string HandOverToWindow(const std::string& program, char* argv[]) {
#ifdef _WIN32
    _execv(program.c_str(), argv);
#else
    execv(program.c_str(), argv);
#endif
    return WindowFailureLine(program, std::strerror(errno));
}

}  // namespace vesquin
