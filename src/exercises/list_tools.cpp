#include "exercises/list_tools.h"

#include "platform/message_box.h"

#include <algorithm>
#include <cmath>

namespace exercises {

namespace {

const QString kSigns = QStringLiteral("+-*/");
const QString kLetters = QStringLiteral("ABCD");
constexpr int kKeyDigits = 4;
constexpr int kKeyLength = 1 + 2 * kKeyDigits;
constexpr QChar kBlank = u' ';
const QString kRangeSeparator = QStringLiteral(" till ");
constexpr int kDecimal = 10;

// An operand read by the blanks behind it: 1 to 4 digits.
int operand_length(const QString &text) {
    for (int digits = 1; digits < kKeyDigits; ++digits)
        if (text.size() > digits && text[digits] == kBlank)
            return digits;
    return kKeyDigits;
}

QString padded(const QString &digits) {
    return digits.rightJustified(kKeyDigits, u'0');
}

int draw(int count, const RandomSource &rnd) {
    return std::clamp(int(std::floor(count * rnd())), 0, std::max(count - 1, 0));
}

struct Operands {
    int first = 0;
    int second = 0;
};

// The operands of a task line: text up to the first blank, and after the operator.
Operands operands_of(const QString &task) {
    const QStringList parts = task.split(kBlank, Qt::SkipEmptyParts);
    Operands o;
    o.first = parts.value(0).toInt();
    o.second = parts.value(2).toInt();
    return o;
}

} // namespace

QString make_compare_key(const QString &task) {
    const int first_len = operand_length(task);
    const QString first = task.left(first_len);
    const QChar sign = task.size() > first_len + 1 ? task[first_len + 1] : kBlank;
    const QString rest = task.mid(first_len + 3);
    const QString second = rest.left(operand_length(rest));
    const qsizetype at = kSigns.indexOf(sign);
    const QChar letter = at >= 0 ? kLetters[at] : sign;
    return letter + padded(first) + padded(second);
}

QString task_from_compare_key(const QString &key) {
    const qsizetype at = kLetters.indexOf(key.left(1));
    const QString sign = at >= 0 ? QString(kSigns[at]) : key.left(1);
    return task_line(key.mid(1, kKeyDigits).toInt(), sign,
                     key.mid(1 + kKeyDigits, kKeyDigits).toInt());
}

QStringList sort_tasks(const QStringList &tasks, SortMode mode, const RandomSource &rnd) {
    QStringList keys;
    keys.reserve(tasks.size());
    for (const QString &t : tasks)
        keys << make_compare_key(t);
    std::sort(keys.begin(), keys.end());
    QStringList sorted;
    sorted.reserve(keys.size());
    for (const QString &k : keys)
        sorted << task_from_compare_key(k);
    if (mode == SortMode::Descending)
        std::reverse(sorted.begin(), sorted.end());
    if (mode == SortMode::Random) {
        // Each key goes to Int(m * r + 0.5) among the m already placed.
        QStringList shuffled;
        shuffled.reserve(sorted.size());
        for (const QString &t : sorted) {
            const auto m = double(shuffled.size());
            const int at = std::clamp(int(std::floor(m * rnd() + 0.5)), 0, int(shuffled.size()));
            shuffled.insert(at, t);
        }
        return shuffled;
    }
    return sorted;
}

DuplicateSearch find_duplicate_tasks(const QStringList &tasks) {
    // Equal keys stand together after a stable sort, the first occurrence first.
    std::vector<std::pair<QString, int>> keyed;
    keyed.reserve(std::size_t(tasks.size()));
    for (int i = 0; i < tasks.size(); ++i)
        keyed.emplace_back(make_compare_key(tasks[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<int> firsts;
    for (std::size_t i = 0; i < keyed.size(); ++i)
        if (i == 0 || keyed[i].first != keyed[i - 1].first)
            firsts.push_back(keyed[i].second);
    std::sort(firsts.begin(), firsts.end());
    DuplicateSearch search;
    for (int i : firsts)
        search.distinct << task_from_compare_key(make_compare_key(tasks[i]));
    search.count = int(tasks.size() - search.distinct.size());
    return search;
}

MessageText duplicates_question(int count) {
    return MessageText{
        QStringLiteral("Skall ") + QString::number(count) + QStringLiteral(" dubblett") +
            (count > 1 ? QStringLiteral("er") : QString()) + QStringLiteral(" tas bort?"),
        vb::vbYesNoCancel + vb::vbQuestion, QStringLiteral("Ta bort dubbletter")};
}

ReduceChoices reduce_choices(int task_count) {
    ReduceChoices choices;
    for (int k = 1; k < task_count; ++k)
        choices.items << QString::number(k) + kRangeSeparator + QString::number(task_count - k);
    if (task_count >= 2)
        choices.default_index = task_count / 2 - 1;
    return choices;
}

QStringList reduce_at_random(const QStringList &tasks, int remove, const RandomSource &rnd) {
    QStringList left = tasks;
    const int n = std::clamp(remove, 0, std::max(int(tasks.size()) - 1, 0));
    for (int i = 0; i < n; ++i)
        left.removeAt(draw(int(left.size()), rnd));
    return left;
}

bool crosses_ten(const QString &task, const QString &type) {
    const Operands o = operands_of(task);
    const int o1 = o.first % kDecimal, t1 = o.first / kDecimal % kDecimal;
    const int o2 = o.second % kDecimal, t2 = o.second / kDecimal % kDecimal;
    if (type == kTypeAddition)
        return o1 + o2 >= kDecimal || t1 + t2 >= kDecimal;
    if (type == kTypeSubtraction)
        return o1 < o2 || t1 < t2;
    return false;
}

TensCrossings find_tens_crossings(const QStringList &tasks, const QString &type) {
    TensCrossings found;
    for (const QString &t : tasks) {
        if (crosses_ten(t, type))
            ++found.count;
        else
            found.kept << t;
    }
    return found;
}

MessageText tens_crossings_message(int count) {
    if (count == 0)
        return MessageText{QStringLiteral("Det fanns inga tiotalövergångar."),
                           vb::vbOKOnly + vb::vbInformation, QStringLiteral("Tiotalsövergångar")};
    const QString what = count == 1 ? QStringLiteral(" uppgift med tiotalövergång")
                                    : QStringLiteral(" uppgifter med tiotalövergång");
    return MessageText{QString::number(count) + what + QStringLiteral(" kommer att tas bort."),
                       vb::vbOKCancel + vb::vbInformation, QStringLiteral("Tiotalövergångar")};
}

} // namespace exercises
