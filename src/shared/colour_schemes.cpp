#include "shared/colour_schemes.h"

#include <array>

namespace {
constexpr unsigned kRed = 0x0000FF;
constexpr std::array<ColourScheme, kColourSchemeCount> kSchemes = {{
    {"Gult på svart", 0x000000, 0x00FFFF, kRed, 0x0080FF, 0x80FFFF},
    {"Vitt på svart", 0x000000, 0xFFFFFF, kRed, 0xC0C0C0, 0xE0E0E0},
    {"Svart på gult", 0xC0EEFF, 0x000000, kRed, 0xC0C0C0, 0xE0E0E0},
    {"Blått på gult", 0xC0EEFF, 0xFF0000, kRed, 0xFF8080, 0xFF8080},
    {"Svart på vitt", 0xEEFFFF, 0x000000, kRed, 0xC0C0C0, 0xE0E0E0},
    {"Blått på vitt", 0xFFEEFF, 0xFF0000, kRed, 0xFF8080, 0xFF8080},
}};
} // namespace

std::span<const ColourScheme> colour_schemes() {
    return kSchemes;
}
