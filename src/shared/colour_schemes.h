#pragma once
// The six colour schemes of the main window, chosen by the colour-style setting.

#include <span>

struct ColourScheme {
    const char *caption; // UTF-8
    unsigned background; // OLE &HBBGGRR
    unsigned foreground;
    unsigned wrong; // the wrong answer
};
constexpr int kColourSchemeCount = 6;
std::span<const ColourScheme> colour_schemes();
