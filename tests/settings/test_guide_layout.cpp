// The printed guide's line and page breaks, measured in characters (each one unit wide)
// so that every case can be read off by eye.
#include "settings/guide_layout.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(GuideLayout, LineBreaking) {
    struct Case {
        const char *text;
        double width;
        QStringList lines;
    };
    const Case cases[] = {
        {"ett två tre fyra", 8, {"ett två", "tre fyra"}},
        // No letter is lost at a line end, with CR LF or LF alone.
        {"abc\r\ndef\nghi\n", 20, {"abc", "def", "ghi"}},
        {"a\n\nb", 20, {"a", "", "b"}}, // empty lines keep their place
        {" a  b", 20, {" a  b"}},       // one blank kept per empty word
        // A word wider than the page is broken, not run past the margin.
        {"ok abcdefghij z", 4, {"ok", "abcd", "efgh", "ij z"}},
        {"abcd efgh", 4, {"abcd", "efgh"}},
    };
    const auto chars = [](const QString &s) { return double(s.size()); };
    for (const Case &c : cases) {
        QStringList lines;
        for (const QString &l : guide::printed_lines(QString::fromUtf8(c.text), c.width, chars))
            lines << l;
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

// Lines of height 10 from top 10 on a page of 60: a page ends once a line passes 50, and
// only when another line follows.
TEST(GuideLayout, PageBreaks) {
    const std::pair<int, std::vector<int>> cases[] = {
        {0, {}}, {5, {0}}, {6, {0, 5}}, {10, {0, 5}}, {11, {0, 5, 10}}};
    for (const auto &[lines, starts] : cases)
        EXPECT_EQ(guide::page_starts(lines, 10, 10, 60), starts) << lines;
}
