#include "settings/guide_layout.h"

#include <QStringList>

namespace guide {
namespace {

constexpr QChar kBlank = u' ';
constexpr QChar kLineFeed = u'\n';
constexpr QChar kCarriageReturn = u'\r';

// The longest start of `word` that fits `width`, at least one character.
qsizetype fitting_length(const QString &word, double width, const TextWidth &width_of) {
    qsizetype low = 1;
    qsizetype high = word.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (width_of(word.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

class LineBreaker {
public:
    LineBreaker(double width, const TextWidth &width_of, std::vector<QString> &out)
        : width_(width), width_of_(width_of), out_(out) {}

    void add_word(QString word) {
        if (width_of_(line_ + word) <= width_) {
            line_ += word + kBlank;
            return;
        }
        if (!line_.isEmpty())
            emit_line();
        while (word.size() > 1 && width_of_(word) > width_) {
            const qsizetype n = fitting_length(word, width_, width_of_);
            out_.push_back(word.left(n));
            word.remove(0, n);
        }
        line_ = word + kBlank;
    }

    // The blank after the last word is not part of what was written.
    void emit_line() {
        if (line_.endsWith(kBlank))
            line_.chop(1);
        out_.push_back(line_);
        line_.clear();
    }

private:
    double width_;
    const TextWidth &width_of_;
    std::vector<QString> &out_;
    QString line_;
};

} // namespace

std::vector<QString> printed_lines(const QString &text, double width, const TextWidth &width_of) {
    std::vector<QString> out;
    LineBreaker breaker(width, width_of, out);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(kLineFeed, start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        // Only a real carriage return goes; a line of Qt text has none.
        if (end > start && text.at(end - 1) == kCarriageReturn)
            --end;
        const QString para = text.mid(start, end - start);
        for (const QString &word : para.split(kBlank))
            if (!(word.isEmpty() && para.isEmpty()))
                breaker.add_word(word);
        breaker.emit_line();
        start = next;
    }
    return out;
}

std::vector<int> page_starts(int line_count, double line_height, double top, double page_height) {
    std::vector<int> starts;
    if (line_count <= 0)
        return starts;
    starts.push_back(0);
    double y = top;
    for (int i = 0; i < line_count; ++i) {
        y += line_height;
        if (i + 1 < line_count && y > page_height - top) {
            starts.push_back(i + 1);
            y = top;
        }
    }
    return starts;
}

} // namespace guide
