// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "locale_symbols.h"

namespace vesquin {

LocaleSymbols SymbolsFromLocale(const QLocale& locale) {
    return LocaleSymbols{locale.decimalPoint().toStdString(),
                         locale.groupSeparator().toStdString()};
}

}  // namespace vesquin
