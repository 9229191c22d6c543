#pragma once
// The worksheet of a saved exercise as plain numbers: the print line of each task, the
// order of the tasks, and the grid of columns, rows and pages that holds them. Every
// length is in the printer's own units; the painter only carries this out.

#include <QString>
#include <optional>
#include <vector>

namespace exercises {

// Liberation Mono has the metrics of Courier New, the fixed pitch that lines the operands up.
inline const QString kPrintFontFamily = QStringLiteral("Liberation Mono");
// As long as every print line; its printed size sets the grid.
inline const QString kPrintSampleLine = QStringLiteral("9999 + 9999 = _____");
inline const QString kNameLine = QStringLiteral("Namn:__________________________________");
constexpr double kFramePoints = 10;

// Task size in points by the "Utskrift"/"Storlek" option (0 "Normal", 1 "Stor", 2 "Extra stor").
double print_task_points(int print_size);

// «7 * 12 =» -> «   7 •   12 = _____». A mixed exercise ("¤") takes the task's own operator.
QString format_task_for_print(const QString &task, const QString &exercise_type);

// The indices 0..n-1 in print order: as entered, or shuffled by swapping every position
// with one drawn from the whole list (platform::rnd, seeded from the clock).
std::vector<int> print_order(int task_count, bool random);

// "Sidan 2 av 3".
QString page_counter(int page, int pages);

struct WorksheetGrid {
    double margin = 0;       // left margin, gap between columns, right margin of the counter
    double top = 0;          // top of the first row
    double row_pitch = 0;    // P
    double column_pitch = 0; // Q
    int columns = 0;         // C
    int rows = 0;            // R
    int pages = 0;           // m
};

// The grid for a drawable page of `page_width` x `page_height`, a sample line of the given
// printed size and `task_count` tasks; nothing when not even one column or row fits.
std::optional<WorksheetGrid> worksheet_grid(double page_width, double page_height,
                                            double sample_width, double sample_height,
                                            int task_count);

struct TaskPlace {
    int page = 0; // 0-based
    double x = 0;
    double y = 0; // top of the line
};

// Where the task at `position` of the print order stands: down the first column, then
// down the next one to the right, C x R tasks a page.
TaskPlace task_place(const WorksheetGrid &grid, int position);

} // namespace exercises
