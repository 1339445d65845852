#pragma once
// The translation window's table: which exercises have a rules button and
// which rule page each has ("" when it has none).

#include <string>

namespace lingvaro::translation {

bool hasRulesButton(int exerciseNo);
std::string rulePage(int exerciseNo);

} // namespace lingvaro::translation
