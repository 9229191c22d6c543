#pragma once
// The six colour schemes of the main window, chosen by the colour-style setting.

#include <span>

struct ColourScheme {
    const char *caption; // UTF-8
    unsigned background; // OLE &HBBGGRR
    unsigned foreground; // the task digits and the current menu item
    unsigned wrong;      // the too-high and too-low marks
    unsigned heading;    // the heading, result lines and the panel's first line
    unsigned dim;        // menu items and board keys that are not current
};
constexpr int kColourSchemeCount = 6;
std::span<const ColourScheme> colour_schemes();
