#include "platform/profile_file.h"
#include "platform/regular_file.h"

#include <QByteArray>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstdint>

// The rules follow what the Windows profile calls do with a text file: lines end in CR LF,
// LF or CR; blanks around names and values are dropped; "[name]" runs to the last ']' of
// its line; a line without '=' or with an empty name is no key; the first key of a name
// wins; a value in matching double or single quotes loses them.

namespace {

constexpr qint64 kMaxFileBytes = 1 << 20;
// GetPrivateProfileInt reads the value into a buffer of this many characters.
constexpr int kIntBufferSize = 30;
constexpr char16_t kEndOfFileMark = 0x1A; // counted as a blank by the Windows reader
constexpr uint32_t kDecimalBase = 10;
constexpr uint32_t kHexBase = 16;

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16LeBom("\xFF\xFE");
const QByteArray kUtf16BeBom("\xFE\xFF");

// Windows-1252 is Latin-1 except for 0x80..0x9F. The five bytes that code page leaves
// undefined map to the control character of the same number, as Windows maps them.
constexpr unsigned char kCp1252TableStart = 0x80;
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

QString decode_cp1252(const QByteArray &bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const size_t slot = static_cast<size_t>(b) - kCp1252TableStart;
        const bool inTable = b >= kCp1252TableStart && slot < kCp1252High.size();
        out[i] = inTable ? QChar(kCp1252High[slot]) : QChar(b);
    }
    return out;
}

// Qt's UTF-16 decoder lets a surrogate without its partner through. Such a text could be
// written nowhere as it is (the store is UTF-8), so it reads as U+FFFD, as bad UTF-8 does.
QString without_lone_surrogates(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// A file written as Unicode (with a byte-order mark) is read as such, as Windows does.
QString decode_file(QByteArray bytes) {
    if (bytes.startsWith(kUtf8Bom))
        return QStringDecoder(QStringDecoder::Utf8)(bytes.mid(kUtf8Bom.size()));
    if (bytes.startsWith(kUtf16LeBom))
        return without_lone_surrogates(
            QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(kUtf16LeBom.size())));
    if (bytes.startsWith(kUtf16BeBom))
        return without_lone_surrogates(
            QStringDecoder(QStringDecoder::Utf16BE)(bytes.mid(kUtf16BeBom.size())));
    return decode_cp1252(bytes);
}

bool is_blank(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f' || u == kEndOfFileMark;
}

QStringView trimmed_blanks(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && is_blank(s[begin]))
        ++begin;
    while (end > begin && is_blank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

QString without_quotes(const QString &value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// At most `bufferSize` - 1 characters, never ending in half a surrogate pair.
QString cut_to_buffer(const QString &text, int bufferSize) {
    if (bufferSize <= 0)
        return QString();
    const qsizetype room = bufferSize - 1;
    if (text.size() <= room)
        return text;
    qsizetype n = room;
    if (n > 0 && text[n - 1].isHighSurrogate())
        --n;
    return text.left(n);
}

int digitValue(QChar c, uint32_t base) {
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'a' && u <= u'f')
        d = u - u'a' + static_cast<int>(kDecimalBase);
    else if (u >= u'A' && u <= u'F')
        d = u - u'A' + static_cast<int>(kDecimalBase);
    return d >= 0 && static_cast<uint32_t>(d) < base ? d : -1;
}

// The leading whole number as the Windows reader takes it: optional sign, "0x" for hex,
// digits up to the first other character; too many digits wrap around as in 32 bits.
int leading_number(const QString &text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].unicode() <= u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    uint32_t base = kDecimalBase;
    if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = kHexBase;
        i += 2;
    }
    uint32_t value = 0; // unsigned: wrapping is defined
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            break;
        value = value * base + static_cast<uint32_t>(d);
    }
    if (negative)
        value = 0u - value;
    return static_cast<int>(value); // modular since C++20
}

bool has_surrogate(const QString &text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); });
}

// Puts the name of an entry into `out`. Neither name can hold a line break, so it joins them
// unambiguously. Names without surrogates (nearly every name) fold one character at a
// time, as QString::toCaseFolded folds them, in place: a kept `out` needs no new string.
void put_lookup_key(QString &out, const QString &section, const QString &key) {
    if (has_surrogate(section) || has_surrogate(key)) {
        out = section.toCaseFolded() + u'\n' + key.toCaseFolded();
        return;
    }
    out.resize(section.size() + 1 + key.size());
    QChar *to = out.data();
    for (QChar c : section)
        *to++ = c.toCaseFolded();
    *to++ = u'\n';
    for (QChar c : key)
        *to++ = c.toCaseFolded();
}

} // namespace

ProfileFile::ProfileFile(const QString &path) {
    // Only a file that can be read counts as present: an import from a file we cannot read
    // would put every default over the user's settings.
    const platform::FileRead file = platform::read_regular_file(path, kMaxFileBytes);
    if (file.state == platform::FileState::Read)
        read(file.bytes);
}

ProfileFile ProfileFile::from_bytes(const QByteArray &bytes) {
    ProfileFile ini;
    ini.read(bytes.size() > kMaxFileBytes ? bytes.first(kMaxFileBytes) : bytes);
    return ini;
}

void ProfileFile::read(const QByteArray &bytes) {
    exists_ = true;
    const QString text = decode_file(bytes);

    QString section;
    bool inSection = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QStringView line = trimmed_blanks(QStringView(text).sliced(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == u'\r')
            ++pos;
        if (pos < text.size() && text[pos] == u'\n')
            ++pos;

        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            if (close > 0) {
                section = trimmed_blanks(line.sliced(1, close - 1)).toString();
                inSection = true;
                continue;
            }
        }
        const qsizetype assign = line.indexOf(u'=');
        if (!inSection || assign < 0)
            continue;
        Entry e{section, trimmed_blanks(line.first(assign)).toString(),
                trimmed_blanks(line.sliced(assign + 1)).toString()};
        if (e.key.isEmpty())
            continue;
        QString k;
        put_lookup_key(k, e.section, e.key);
        if (index_.contains(k))
            continue;
        index_.insert(k, entries_.size());
        entries_.push_back(std::move(e));
    }
}

const ProfileFile::Entry *ProfileFile::find(const QString &section, const QString &key) const {
    // Lookups come by the dozen at every start: one buffer serves them all.
    thread_local QString lookup;
    put_lookup_key(lookup, section, key);
    const auto it = index_.constFind(lookup);
    return it == index_.cend() ? nullptr : &entries_[*it];
}

int ProfileFile::GetPrivateProfileInt(const QString &section, const QString &key, int def) const {
    // As in Windows, an empty value counts as missing.
    const QString text = GetPrivateProfileString(section, key, QString(), kIntBufferSize);
    return text.isEmpty() ? def : leading_number(text);
}

QString ProfileFile::GetPrivateProfileString(const QString &section, const QString &key,
                                             const QString &def, int bufferSize) const {
    if (const Entry *e = find(section, key))
        return cut_to_buffer(without_quotes(e->value), bufferSize);
    // Windows drops trailing blanks of the default.
    QString d = def;
    while (d.endsWith(u' '))
        d.chop(1);
    return cut_to_buffer(d, bufferSize);
}
