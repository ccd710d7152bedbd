#include "locale_symbols.h"

namespace vesquin {

LocaleSymbols SymbolsFromLocale(const QLocale& locale) {
    return LocaleSymbols{locale.decimalPoint().toStdString(),
                         locale.groupSeparator().toStdString()};
}

}  // namespace vesquin
