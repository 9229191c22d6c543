// Any line under each exercise type code: the task parser never crashes, a task it accepts
// obeys the result rules, and its written form reads back as the same task.
#include "exercises/exercise_file.h"
#include "fuzz_support.h"
#include "shared/modSorvinel.h"

#include <QStringList>
#include <array>

namespace {

using fuzz::check;

const std::array<QString, 5> kTypes{exercises::kTypeAddition, exercises::kTypeSubtraction,
                                    exercises::kTypeMultiplication, exercises::kTypeDivision,
                                    exercises::kTypeMixed};
const QStringList kSigns{exercises::kTypeAddition, exercises::kTypeSubtraction,
                         exercises::kTypeMultiplication, exercises::kTypeDivision};
constexpr int kLargestResult = kOperandLimit - 1;

struct Parsed {
    QString sign;
    int first = -1;
    int second = -1;
    bool first_found = false;
    bool ok = false;
    QString message;
};

Parsed parse(const QString &line, const QString &type) {
    Parsed p;
    p.sign = type;
    ModSorvinel::parse_task(line, p.sign, p.first, p.second, p.first_found, p.ok, p.message);
    return p;
}

bool is_operand(int n) {
    return n >= 0 && n < kOperandLimit;
}

// The result rule of `sign`, stated apart from the parser; any other sign has none.
bool obeys_result_rule(const QString &sign, int first, int second) {
    if (sign == exercises::kTypeAddition)
        return first + second <= kLargestResult;
    if (sign == exercises::kTypeSubtraction)
        return first >= second;
    if (sign == exercises::kTypeMultiplication)
        return static_cast<long long>(first) * second <= kLargestResult;
    if (sign == exercises::kTypeDivision)
        return second != 0 && first % second == 0;
    return true;
}

bool same_task(const Parsed &a, const Parsed &b) {
    return a.ok == b.ok && a.sign == b.sign && a.first == b.first && a.second == b.second;
}

void check_line(const QString &line, const QString &type) {
    const Parsed p = parse(line, type);
    if (type == exercises::kTypeMixed)
        check(p.sign == type || kSigns.contains(p.sign), "a mixed line got a strange sign");
    else
        check(p.sign == type, "the parser changed a single-type sign");

    if (p.ok) {
        check(p.first_found, "accepted without a first operand");
        check(is_operand(p.first) && is_operand(p.second), "an accepted operand is out of range");
        check(obeys_result_rule(p.sign, p.first, p.second), "an accepted task breaks its rule");
        check(p.message.isEmpty(), "an accepted task has a message");
        const QString written = exercises::task_line(p.first, p.sign, p.second);
        check(same_task(parse(written, type), p), "the written task reads back otherwise");
        check(same_task(parse(written, p.sign), p), "the written task differs under its sign");
    } else if (!p.message.isEmpty()) {
        // Only a broken result rule has a message.
        check(p.first_found && is_operand(p.first) && is_operand(p.second),
              "a message for a line without two operands");
        check(!obeys_result_rule(p.sign, p.first, p.second), "a message for a sound task");
    }
    // A mixed line reads as it would under the sign that it turned out to have.
    if (type == exercises::kTypeMixed && kSigns.contains(p.sign)) {
        const Parsed own = parse(line, p.sign);
        check(same_task(own, p) && own.message == p.message,
              "a mixed line reads otherwise under its own sign");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    const QString &type = kTypes[data[0] % kTypes.size()];
    const QByteArray bytes = fuzz::bytes_of(data + 1, size - 1);
    // Files come as Latin-1 bytes; typed text and the wrong-task list as Unicode.
    check_line(QString::fromLatin1(bytes), type);
    check_line(QString::fromUtf8(bytes), type);
    return 0;
}
