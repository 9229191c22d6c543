// Task line parsing, task counting, durations, paths and operation names.

#include "shared/modSorvinel.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char *line;
    const char *op_in;
    const char *op_out;
    bool ok;
    bool first_found;
    int first;           // checked when first_found
    int second;          // checked when ok
    const char *message; // expected message; "<kept>" when it must stay untouched
};

constexpr int kUnset = -77;
const char *const kKept = "<kept>";

class ParseTask : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTask, ReadsLine) {
    const ParseCase &c = GetParam();
    QString op = QString::fromUtf8(c.op_in);
    int first = kUnset;
    int second = kUnset;
    bool first_found = true;
    bool ok = true;
    QString message = QString::fromUtf8(kKept);
    ModSorvinel::parse_task(QString::fromUtf8(c.line), op, first, second, first_found, ok, message);
    EXPECT_EQ(ok, c.ok) << c.line;
    EXPECT_EQ(first_found, c.first_found) << c.line;
    EXPECT_EQ(op, QString::fromUtf8(c.op_out)) << c.line;
    if (c.first_found) {
        EXPECT_EQ(first, c.first) << c.line;
    }
    if (c.ok) {
        EXPECT_EQ(second, c.second) << c.line;
    }
    EXPECT_EQ(message, QString::fromUtf8(c.message)) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseTask,
    ::testing::Values(
        ParseCase{"12 + 5 =", "+", "+", true, true, 12, 5, kKept},
        ParseCase{"12+5", "+", "+", true, true, 12, 5, kKept},
        ParseCase{"12 + 5 = 17", "+", "+", true, true, 12, 5, kKept},
        ParseCase{"  7 - 9 =", "-", "-", false, true, 7, 0, "Differensen blir mindre än noll!"},
        ParseCase{"7 - 7 =", "-", "-", true, true, 7, 7, kKept},
        ParseCase{"200 * 200 =", "*", "*", false, true, 200, 0, "Produkten blir större än 9999!"},
        ParseCase{"99 * 101 =", "*", "*", true, true, 99, 101, kKept},
        ParseCase{"100 * 100 =", "*", "*", false, true, 100, 0, "Produkten blir större än 9999!"},
        ParseCase{"9999 + 1 =", "+", "+", false, true, 9999, 0, "Summan blir större än 9999!"},
        ParseCase{"5000 + 4999 =", "+", "+", true, true, 5000, 4999, kKept},
        ParseCase{"7 / 2 =", "/", "/", false, true, 7, 0, "Kvoten är ej heltal!"},
        ParseCase{"5 / 0 =", "/", "/", false, true, 5, 0, "Division med 0!"},
        ParseCase{"0 / 5 =", "/", "/", true, true, 0, 5, kKept},
        ParseCase{"12 / 3 =", "/", "/", true, true, 12, 3, kKept},
        ParseCase{"3 - 4 =", "+", "+", false, false, 0, 0, kKept},
        ParseCase{"10000 + 1 =", "+", "+", false, false, 0, 0, kKept},
        ParseCase{"3 + 10000 =", "+", "+", false, true, 3, 0, kKept},
        ParseCase{"0012 + 3 =", "+", "+", true, true, 12, 3, kKept},
        ParseCase{"00009999 + 0 =", "+", "+", true, true, 9999, 0, kKept},
        ParseCase{"99999999999999999999 + 1 =", "+", "+", false, false, 0, 0, kKept},
        ParseCase{"1 + 99999999999999999999 =", "+", "+", false, true, 1, 0, kKept},
        ParseCase{"5 + =", "+", "+", false, false, 0, 0, kKept},
        ParseCase{"5 +", "+", "+", false, false, 0, 0, kKept},
        ParseCase{"5 + x", "+", "+", false, false, 0, 0, kKept},
        ParseCase{"6 * 7 =", "¤", "*", true, true, 6, 7, kKept},
        ParseCase{"8 / 2 =", "¤", "/", true, true, 8, 2, kKept},
        ParseCase{"-3 + 4 =", "¤", "-", false, false, 0, 0, kKept},
        ParseCase{"", "+", "+", false, false, 0, 0, kKept},
        ParseCase{"", "¤", "¤", false, false, 0, 0, kKept},
        // A sign before the task is skipped and the next sign tried.
        ParseCase{"+3 + 4 =", "+", "+", true, true, 3, 4, kKept},
        // Only the digits next to the sign belong to the first operand.
        ParseCase{"12 34 + 1 =", "+", "+", true, true, 34, 1, kKept},
        ParseCase{"ab-5 + 2 =", "+", "+", true, true, 5, 2, kKept},
        ParseCase{"x + 2 =", "+", "+", false, false, 0, 0, kKept},
        ParseCase{"3   +    4   =", "+", "+", true, true, 3, 4, kKept},
        // A first operand too large: the text after the next sign is tried.
        ParseCase{"99999 + 1 + 2 =", "+", "+", true, true, 1, 2, kKept},
        // In a mixed line the first sign rules, even where no operand stands before it.
        ParseCase{"-5 + 3 - 1 =", "¤", "-", true, true, 3, 1, kKept},
        // A Latin-1 "¤" stands as the sign of a mixed line.
        ParseCase{"12 \u00a4 3 =", "¤", "¤", true, true, 12, 3, kKept},
        ParseCase{"12 + 3 =", "", "", false, false, 0, 0, kKept},
        ParseCase{"12 ++ 3 =", "++", "++", false, false, 0, 0, kKept}),
    [](const auto &info) {
        return test_names::name(info.index, info.param.line, info.param.op_in);
    });

TEST(ParseTaskState, FailedLineKeepsOperandsAndMessage) {
    QString op = "+";
    int first = 41;
    int second = 42;
    bool found = true;
    bool ok = true;
    QString message = "före";
    ModSorvinel::parse_task("+ =", op, first, second, found, ok, message);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(found);
    EXPECT_EQ(first, 41);
    EXPECT_EQ(second, 42);
    EXPECT_EQ(message, "före");
}

TEST(ParseTaskState, MixedSignIsKeptAfterFirstLine) {
    // The caller must put the mixed sign back; a handed-back "*" then rules the next line.
    QString op = QStringLiteral("¤");
    int first = 0, second = 0;
    bool found = false, ok = false;
    QString message;
    ModSorvinel::parse_task("6 * 7 =", op, first, second, found, ok, message);
    ASSERT_EQ(op, "*");
    ModSorvinel::parse_task("6 + 7 =", op, first, second, found, ok, message);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(found);
}

struct CountCase {
    Operation operation;
    int first_from, first_to, second_from, second_to;
    long expected;
};

class CountPossible : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountPossible, Counts) {
    const CountCase &c = GetParam();
    long count = -1;
    ModSorvinel::count_possible_tasks(count, c.operation, c.first_from, c.first_to, c.second_from,
                                      c.second_to);
    EXPECT_EQ(count, c.expected) << "operation " << c.operation << " " << c.first_from << ".."
                                 << c.first_to << " x " << c.second_from << ".." << c.second_to;
}

// Reference count by the plain double loop, for ranges small enough to walk.
long brute_count(Operation operation, int ff, int ft, int sf, int st) {
    long n = 0;
    for (int i = ff; i <= ft; ++i)
        for (int j = sf; j <= st; ++j) {
            const bool add = i + j < kOperandLimit;
            const bool sub = i >= j;
            const bool mul = static_cast<long long>(i) * j < kOperandLimit;
            switch (operation) {
            case Operation::Addition:
                n += add;
                break;
            case Operation::Subtraktion:
                n += sub;
                break;
            case Operation::Multiplikation:
            case Operation::Division:
                n += mul;
                break;
            case Operation::Blandat:
                n += add + sub + 2 * mul;
                break;
            default:
                break;
            }
        }
    return n;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, CountPossible,
    ::testing::Values(CountCase{Operation::Addition, 1, 10, 1, 10, 100},
                      CountCase{Operation::Subtraktion, 1, 10, 1, 10, 55},
                      CountCase{Operation::Multiplikation, 1, 10, 1, 10, 100},
                      CountCase{Operation::Division, 1, 10, 1, 10, 100},
                      CountCase{Operation::Blandat, 1, 10, 1, 10, 355},
                      CountCase{Operation::Addition, 5, 4, 1, 10, 0},
                      CountCase{Operation::Addition, 1, 10, 7, 6, 0},
                      CountCase{Operation::Addition, 9998, 9999, 0, 2, 3},
                      CountCase{Operation::Multiplikation, 0, 0, 0, 9999, 10000},
                      CountCase{Operation::Multiplikation, 90, 110, 90, 110,
                                brute_count(Operation::Multiplikation, 90, 110, 90, 110)},
                      CountCase{Operation::Division, 90, 110, 90, 110,
                                brute_count(Operation::Division, 90, 110, 90, 110)},
                      CountCase{Operation::Blandat, 0, 120, 3, 200,
                                brute_count(Operation::Blandat, 0, 120, 3, 200)},
                      CountCase{Operation::Subtraktion, 0, 50, 20, 80,
                                brute_count(Operation::Subtraktion, 0, 50, 20, 80)},
                      CountCase{Operation::Blandat, 4990, 5010, 1, 3,
                                brute_count(Operation::Blandat, 4990, 5010, 1, 3)},
                      CountCase{Operation::Blandat, -3000, 40, -2, 3,
                                brute_count(Operation::Blandat, -3000, 40, -2, 3)}),
    [](const auto &info) {
        const auto &c = info.param;
        return test_names::name(info.index, c.operation, c.first_from, c.first_to, c.second_from,
                                c.second_to);
    });

TEST(CountPossibleWhole, FullRangeDoesNotOverflow) {
    long count = 0;
    ModSorvinel::count_possible_tasks(count, Operation::Blandat, 0, 9999, 0, 9999);
    // Addition: pairs with i + j <= 9999; subtraction: i >= j; both half the square plus the
    // diagonal side.
    const long half = 10000L * 10001L / 2;
    long products = 0;
    ModSorvinel::count_possible_tasks(products, Operation::Multiplikation, 0, 9999, 0, 9999);
    EXPECT_EQ(count, half + half + 2 * products);
    EXPECT_GT(products, 10000L);
}

TEST(FormatDuration, Texts) {
    const std::pair<long, const char *> cases[] = {
        {0, "0 sek "},
        {59, "59 sek "},
        {60, "1 min 0 sek "},
        {65, "1 min 5 sek "},
        {3600, "1 tim 0 sek "},
        {3725, "1 tim 2 min 5 sek "},
        {86399, "23 tim 59 min 59 sek "},
        {90000, "25 tim 0 sek "},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(ModSorvinel::format_duration(seconds), QString::fromUtf8(text)) << seconds;
}

TEST(Paths, DirectoryAndFileName) {
    const struct {
        const char *path, *directory, *file;
    } cases[] = {
        {"/home/a/b.add", "/home/a/", "b.add"},
        {"b.add", "b.add", "b.add"},
        {"", "", ""},
        {"/home/a/", "/home/a/", ""},
        {"/x", "/", "x"},
        {"[namnlös]", "[namnlös]", "[namnlös]"},
        {"C:\\a\\b.add", "C:\\a\\b.add", "C:\\a\\b.add"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ModSorvinel::path_directory(QString::fromUtf8(c.path)),
                  QString::fromUtf8(c.directory))
            << c.path;
        EXPECT_EQ(ModSorvinel::path_file_name(QString::fromUtf8(c.path)), QString::fromUtf8(c.file))
            << c.path;
    }
}

TEST(Operations, NamesSignsAndLookup) {
    const char *const names[] = {"Addition", "Subtraktion", "Multiplikation", "Division",
                                 "Blandat"};
    const char *const signs[] = {"+", "-", "*", "/", "¤"};
    for (Operation op : kOperations) {
        EXPECT_EQ(ModSorvinel::operation_name(op), names[index_of(op)]);
        EXPECT_EQ(ModSorvinel::operation_sign(op), QString::fromUtf8(signs[index_of(op)]));
        EXPECT_EQ(operation_at(index_of(op)), op);
    }
    EXPECT_EQ(operation_at(5), std::nullopt);
    EXPECT_EQ(operation_at(-1), std::nullopt);
}

} // namespace
