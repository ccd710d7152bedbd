// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The CUPS client library, loaded when the first print starts rather than when the
// program starts: it brings some twenty libraries (TLS, Kerberos, service discovery)
// that the window does not need until then. Only its headers are used at build time.

#include <cups/cups.h>

#include <QString>

namespace vesquin {

// Every function of the library that printing calls, under its own name.
#define VESQUIN_CUPS_FUNCTIONS(X) \
    X(cupsCancelDestJob)          \
    X(cupsCopyDestInfo)           \
    X(cupsCreateDestJob)          \
    X(cupsDoRequest)              \
    X(cupsEncryption)             \
    X(cupsFindDestDefault)        \
    X(cupsFinishDestDocument)     \
    X(cupsFreeDestInfo)           \
    X(cupsFreeDests)              \
    X(cupsGetDests2)              \
    X(cupsGetNamedDest)           \
    X(cupsGetOption)              \
    X(cupsLastError)              \
    X(cupsLastErrorString)        \
    X(cupsServer)                 \
    X(cupsStartDestDocument)      \
    X(cupsUser)                   \
    X(cupsWriteRequestData)       \
    X(httpClose)                  \
    X(httpConnect2)               \
    X(httpSetTimeout)             \
    X(ippAddInteger)              \
    X(ippAddString)               \
    X(ippAddStrings)              \
    X(ippDelete)                  \
    X(ippFindAttribute)           \
    X(ippGetCollection)           \
    X(ippGetCount)                \
    X(ippGetInteger)              \
    X(ippGetResolution)           \
    X(ippGetString)               \
    X(ippNewRequest)              \
    X(ippPort)

struct CupsLibrary {
#define VESQUIN_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    VESQUIN_CUPS_FUNCTIONS(VESQUIN_CUPS_POINTER)
#undef VESQUIN_CUPS_POINTER
};

// Loads the library once (later calls give the same answer) and returns its
// functions, or nullptr when it, or one of the functions, is missing. The library is
// "libcups.so.2", or the file VESQUIN_CUPS_LIBRARY names (for the tests).
const CupsLibrary* LoadCupsLibrary();

// The library loaded by LoadCupsLibrary; only called once that succeeded.
const CupsLibrary& Cups();

// Why printing cannot start when LoadCupsLibrary gave nullptr, for the user.
QString MissingCupsLibraryText();

}  // namespace vesquin
