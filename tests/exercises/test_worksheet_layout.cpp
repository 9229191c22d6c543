// The worksheet as numbers: print lines, task order, and the grid of columns, rows and pages.
#include "exercises/worksheet_layout.h"
#include "platform/system.h"

#include <gtest/gtest.h>

using namespace exercises;

TEST(WorksheetLayout, PrintLines) {
    struct Case {
        const char *task;
        const char *type;
        const char *line;
    };
    const Case cases[] = {
        {"7 * 12 =", "*", "   7 •   12 = _____"},
        {"12 + 5 =", "+", "  12 +    5 = _____"},
        {"1000 / 10 =", "/", "1000 /   10 = _____"},
        {"9999 + 9999 =", "+", "9999 + 9999 = _____"},
        {"0 - 0 =", "-", "   0 -    0 = _____"},
        // A mixed exercise takes each task's own operator, multiplication shown as "•".
        {"9 - 3 =", "¤", "   9 -    3 = _____"},
        {"6 * 7 =", "¤", "   6 •    7 = _____"},
        {"81 / 9 =", "¤", "  81 /    9 = _____"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(format_task_for_print(QString::fromUtf8(c.task), QString::fromUtf8(c.type)),
                  QString::fromUtf8(c.line))
            << c.task;
}

// A page of 1200 x 1600 units and a sample line of 300 x 20: margin 100, top 100, Q 400,
// P 60, C = 1100 / 400 = 2, R = 1400 / 60 + 1 = 24, 48 tasks a page.
TEST(WorksheetLayout, GridColumnsRowsPages) {
    struct Case {
        double width, height, sample_width, sample_height;
        int tasks;
        int columns, rows, pages;
    };
    const Case cases[] = {
        {1200, 1600, 300, 20, 5, 2, 24, 1},
        {1200, 1600, 300, 20, 48, 2, 24, 1}, // exactly C x R: no empty extra page
        {1200, 1600, 300, 20, 49, 2, 24, 2},
        {1200, 1600, 300, 20, 1000, 2, 24, 21},
        {1200, 1600, 300, 20, 0, 2, 24, 0},
        // P = 3 x 20.5 = 61.5 rounds (half to even) to 62: R = 1400 / 62 + 1 = 23.
        {1200, 1600, 300, 20.5, 46, 2, 23, 1},
    };
    for (const Case &c : cases) {
        const auto grid =
            worksheet_grid(c.width, c.height, c.sample_width, c.sample_height, c.tasks);
        ASSERT_TRUE(grid) << c.tasks;
        EXPECT_EQ(grid->columns, c.columns) << c.tasks;
        EXPECT_EQ(grid->rows, c.rows) << c.tasks;
        EXPECT_EQ(grid->pages, c.pages) << c.tasks;
    }
}

// A sample line wider than the page leaves no column: no grid instead of a division by 0.
TEST(WorksheetLayout, NoGridWhenNoColumnFits) {
    EXPECT_FALSE(worksheet_grid(1200, 1600, 1200, 20, 5));
    EXPECT_FALSE(worksheet_grid(1200, 1600, 0, 0, 5));
}

TEST(WorksheetLayout, TasksRunDownTheColumnsThenOverThePages) {
    const auto grid = worksheet_grid(1200, 1600, 300, 20, 100);
    ASSERT_TRUE(grid);
    struct Case {
        int position, page;
        double x, y;
    };
    const Case cases[] = {
        {0, 0, 100, 100},   {1, 0, 100, 160},  {23, 0, 100, 1480}, {24, 0, 500, 100},
        {47, 0, 500, 1480}, {48, 1, 100, 100}, {49, 1, 100, 160},  {99, 2, 100, 280},
    };
    for (const Case &c : cases) {
        const TaskPlace p = task_place(*grid, c.position);
        EXPECT_EQ(p.page, c.page) << c.position;
        EXPECT_DOUBLE_EQ(p.x, c.x) << c.position;
        EXPECT_DOUBLE_EQ(p.y, c.y) << c.position;
    }
}

TEST(WorksheetLayout, OrderAsEnteredOrShuffledOverTheWholeList) {
    EXPECT_EQ(print_order(4, false), (std::vector<int>{0, 1, 2, 3}));
    // Draws 0.9, 0.0, 0.5, 0.3 over n = 4: swaps (0,3), (1,0), (2,2), (3,1).
    std::vector<double> draws{0.9, 0.0, 0.5, 0.3};
    std::size_t next = 0;
    platform::set_random_source([&] { return draws[next++ % draws.size()]; });
    EXPECT_EQ(print_order(4, true), (std::vector<int>{1, 0, 2, 3}));
    platform::set_random_source({});
    EXPECT_TRUE(print_order(0, true).empty());
}
