#include "shared/colour_schemes.h"

#include <array>

namespace {
constexpr std::array<ColourScheme, kColourSchemeCount> kSchemes = {{
    {"Gult på svart", 0x000000, 0x00FFFF, 0x0000FF},
    {"Vitt på svart", 0x000000, 0xFFFFFF, 0x0000FF},
    {"Svart på gult", 0xC0EEFF, 0x000000, 0x0000FF},
    {"Blått på gult", 0xC0EEFF, 0xFF0000, 0x0000FF},
    {"Svart på vitt", 0xEEFFFF, 0x000000, 0x0000FF},
    {"Blått på vitt", 0xFFEEFF, 0xFF0000, 0x0000FF},
}};
} // namespace

std::span<const ColourScheme> colour_schemes() {
    return kSchemes;
}
