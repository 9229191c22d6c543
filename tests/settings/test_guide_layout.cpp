// The printed guide's line breaking and page breaks, measured in characters (every
// character one unit wide) so that each case can be read off by eye.
#include "settings/guide_layout.h"

#include <QStringList>
#include <gtest/gtest.h>

using guide::page_starts;
using guide::printed_lines;

namespace {

double chars(const QString &s) {
    return double(s.size());
}

QStringList lines_of(const QString &text, double width) {
    QStringList out;
    for (const QString &l : printed_lines(text, width, chars))
        out << l;
    return out;
}

} // namespace

TEST(GuideLayout, LineBreaking) {
    struct Case {
        const char *text;
        double width;
        QStringList lines;
    };
    const Case cases[] = {
        {"kort rad", 20, {"kort rad"}},
        {"ett två tre fyra", 8, {"ett två", "tre fyra"}},
        // The last letter of a line stays, with or without CR LF.
        {"abc\r\ndef\nghi", 20, {"abc", "def", "ghi"}},
        {"slut\n", 20, {"slut"}},
        // Empty lines keep their place.
        {"a\n\nb", 20, {"a", "", "b"}},
        {"\n", 20, {""}},
        // Runs of blanks keep one blank per empty word.
        {"a  b", 20, {"a  b"}},
        {" indrag", 20, {" indrag"}},
        // A word wider than the page is broken, not run past the margin.
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"ok abcdefghij z", 4, {"ok", "abcd", "efgh", "ij z"}},
        // Exactly the width fits.
        {"abcd efgh", 4, {"abcd", "efgh"}},
        {"ab cd", 5, {"ab cd"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(lines_of(QString::fromUtf8(c.text), c.width), c.lines) << c.text;
}

// Lines of height 10 from top 10 on a page of 60: a page ends once a line passes 50.
TEST(GuideLayout, PageBreaks) {
    struct Case {
        int lines;
        std::vector<int> starts;
    };
    const Case cases[] = {
        {0, {}},
        {1, {0}},
        {5, {0}},
        // The fifth line ends at 60 > 50: the page breaks only when a sixth follows.
        {6, {0, 5}},
        {10, {0, 5}},
        {11, {0, 5, 10}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(page_starts(c.lines, 10, 10, 60), c.starts) << c.lines;
}
