// The worksheet as numbers: print lines, and the grid of columns, rows and pages.
#include "exercises/worksheet_layout.h"

#include <gtest/gtest.h>

using namespace exercises;

TEST(WorksheetLayout, PrintLines) {
    const char *const cases[][3] = {
        {"7 * 12 =", "*", "   7 •   12 = _____"},
        {"12 + 5 =", "+", "  12 +    5 = _____"},
        {"1000 / 10 =", "/", "1000 /   10 = _____"},
        {"9999 + 9999 =", "+", "9999 + 9999 = _____"},
        // A mixed exercise takes each task's own operator.
        {"9 - 3 =", "¤", "   9 -    3 = _____"},
        {"6 * 7 =", "¤", "   6 •    7 = _____"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(format_task_for_print(QString::fromUtf8(c[0]), QString::fromUtf8(c[1])),
                  QString::fromUtf8(c[2]))
            << c[0];
}

// A page of 1200 x 1600 and a sample line of 300 x 20: margin 100, top 100, Q 400, P 60,
// C = 1100 / 400 = 2, R = 1400 / 60 + 1 = 24, so 48 tasks a page.
TEST(WorksheetLayout, GridColumnsRowsPages) {
    struct Case {
        double sample_width, sample_height;
        int tasks;
        int columns, rows, pages; // columns 0: no grid
    };
    const Case cases[] = {
        {300, 20, 5, 2, 24, 1},    {300, 20, 48, 2, 24, 1}, // exactly C x R: no extra page
        {300, 20, 49, 2, 24, 2},   {300, 20, 0, 2, 24, 0},
        {300, 20.5, 46, 2, 23, 1}, // P 61.5 rounds half to even: 62
        {1200, 20, 5, 0, 0, 0},    // no column fits: no division by zero
    };
    for (const Case &c : cases) {
        const auto grid = worksheet_grid(1200, 1600, c.sample_width, c.sample_height, c.tasks);
        ASSERT_EQ(bool(grid), c.columns > 0) << c.tasks;
        if (!grid)
            continue;
        EXPECT_EQ(grid->columns, c.columns) << c.tasks;
        EXPECT_EQ(grid->rows, c.rows) << c.tasks;
        EXPECT_EQ(grid->pages, c.pages) << c.tasks;
        const TaskPlace second_column = task_place(*grid, c.rows);
        EXPECT_DOUBLE_EQ(second_column.x, 500);
        EXPECT_DOUBLE_EQ(second_column.y, 100);
    }
}
