#include "contentmap/translation.h"

#include <set>

namespace lingvaro::translation {

bool hasRulesButton(int n)
{
    static const std::set<int> numbers = {106,   108,   111,   114,   116,   52300, 52500, 53500, 53600, 54100,
                                          54200, 54600, 55400, 55740, 56857, 56858, 56859, 56861, 56862, 57200};
    return numbers.count(n) != 0;
}

std::string rulePage(int n)
{
    switch (n) {
    case 106: case 52300: return "R22200.htm";
    case 52500: return "R22300.htm";
    case 53500: case 53600: return "R24200.htm";
    case 111: case 54100: return "R23100.htm";
    case 54200: case 54600: return "R23200.htm";
    case 55400: return "R25400.htm";
    case 55740: return "R25900.htm";
    case 114: return "R26400.htm";
    case 116: return "R26221.htm";
    case 56857: return "R26410.htm";
    case 56858: return "R26420.htm";
    case 56859: return "R26430.htm";
    case 56861: return "R26440.htm";
    case 56862: return "R26450.htm";
    case 57200: return "R27200.htm";
    default: return {};
    }
}

} // namespace lingvaro::translation
