#include "platform/settings_store.h"
#include "platform/atomic_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

// File format: UTF-8, "\n" line ends, "[Section]" lines followed by "key=value" lines.
// The value is everything after the first unescaped '=' up to the end of the line.
//
// A line break cannot stand inside a line, so names and values are written with backslash
// escapes: "\\" for a backslash, "\n" for LF, "\r" for CR; in key names also "\=" for '='
// and "\[" for a leading '[' (it would start a section line). Any other backslash is read
// as it stands. Every text therefore reads back exactly as it was saved; the only cost is
// that a hand-edited backslash before 'n', 'r' or '\' changes meaning.

namespace {

constexpr qint64 kMaxFileBytes = 1 << 20; // far beyond any real settings file
constexpr char kEscape = '\\';
constexpr char kAssign = '=';
constexpr char kSectionOpen = '[';
constexpr char kSectionClose = ']';
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QString folded(const QString &name) {
    return name.toCaseFolded();
}

bool has_surrogate(const QString &text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); });
}

// The folded name to look up. Lookups come by the thousand; a name without surrogates
// (nearly every name) folds one character at a time, as QString::toCaseFolded folds it, in
// a buffer that is kept, so looking up makes no new string. The result lasts until the
// next call.
const QString &lookup_name(const QString &name) {
    thread_local QString buffer;
    if (has_surrogate(name)) {
        buffer = folded(name);
        return buffer;
    }
    buffer.resize(name.size());
    QChar *out = buffer.data();
    for (QChar c : name)
        *out++ = c.toCaseFolded();
    return buffer;
}

enum class TextKind { Section, Key, Value };

bool needs_escape(const QString &text, TextKind kind) {
    if (text.contains(QLatin1Char(kEscape)) || text.contains(QLatin1Char('\n')) ||
        text.contains(QLatin1Char('\r')))
        return true;
    return kind == TextKind::Key &&
           (text.contains(QLatin1Char(kAssign)) || text.startsWith(QLatin1Char(kSectionOpen)));
}

QString escaped(const QString &text, TextKind kind) {
    if (!needs_escape(text, kind))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(kEscape))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (kind == TextKind::Key &&
                 (c == QLatin1Char(kAssign) || (i == 0 && c == QLatin1Char(kSectionOpen))))
            out += QLatin1Char(kEscape) + c;
        else
            out += c;
    }
    return out;
}

// Undoes escaped(). With `stopAtAssign`, stops at the first unescaped '=' and reports its
// position in `stop` (-1 when there is none).
QString unescaped(QStringView text, bool stopAtAssign = false, qsizetype *stop = nullptr) {
    // Most texts hold no backslash: nothing to undo, and the first '=' is where it stops.
    if (!text.contains(QLatin1Char(kEscape))) {
        const qsizetype at = stopAtAssign ? text.indexOf(QLatin1Char(kAssign)) : -1;
        if (stop)
            *stop = at;
        return (at < 0 ? text : text.first(at)).toString();
    }
    QString out;
    out.reserve(text.size());
    if (stop)
        *stop = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(kEscape) && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (next == QLatin1Char('r')) {
                out += QLatin1Char('\r');
                ++i;
                continue;
            }
            if (next == QLatin1Char(kEscape) || next == QLatin1Char(kAssign) ||
                next == QLatin1Char(kSectionOpen)) {
                out += next;
                ++i;
                continue;
            }
        }
        if (stopAtAssign && c == QLatin1Char(kAssign)) {
            if (stop)
                *stop = i;
            return out;
        }
        out += c;
    }
    return out;
}

bool write_store_file(const QString &path, const QByteArray &bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return platform::write_file_atomically(path, bytes);
}

} // namespace

SettingsStore::SettingsStore(QString filePath)
    : path_(std::move(filePath)), writer_(write_store_file) {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    // One byte beyond the limit tells whether the file was cut short.
    read(platform::read_file_head(file, kMaxFileBytes + 1));
}

SettingsStore::SettingsStore(QString filePath, const QByteArray &bytes, Writer writer)
    : path_(std::move(filePath)), writer_(writer ? std::move(writer) : Writer(write_store_file)) {
    read(bytes);
}

QString SettingsStore::default_path() {
    // A relative XDG_CONFIG_HOME is to be ignored, as the XDG rules say.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/PLOXA Sorvinel.ini");
}

const SettingsStore::Entry *SettingsStore::find(const QString &section, const QString &key) const {
    const auto s = sectionIndex_.constFind(lookup_name(section));
    if (s == sectionIndex_.cend())
        return nullptr;
    const auto e = entryIndex_.constFind(EntryKey(*s, lookup_name(key)));
    return e == entryIndex_.cend() ? nullptr : &sections_[*s].entries[*e];
}

SettingsStore::Entry *SettingsStore::add(size_t s, const QString &key) {
    if (entryIndex_.contains(EntryKey(s, lookup_name(key))))
        return nullptr;
    std::vector<Entry> &entries = sections_[s].entries;
    entryIndex_.insert(EntryKey(s, folded(key)), entries.size());
    entries.push_back(Entry{key, QString()});
    return &entries.back();
}

SettingsStore::Entry &SettingsStore::obtain(const QString &section, const QString &key) {
    const size_t s = obtain_section(section);
    const auto e = entryIndex_.constFind(EntryKey(s, lookup_name(key)));
    if (e != entryIndex_.cend())
        return sections_[s].entries[*e];
    return *add(s, key);
}

size_t SettingsStore::obtain_section(const QString &name) {
    const auto it = sectionIndex_.constFind(lookup_name(name));
    if (it != sectionIndex_.cend())
        return *it;
    sectionIndex_.insert(folded(name), sections_.size());
    sections_.push_back(Section{name, {}});
    return sections_.size() - 1;
}

QString SettingsStore::GetSetting(const QString &section, const QString &key,
                                  const QString &defaultValue) const {
    const Entry *e = find(section, key);
    return e ? e->value : defaultValue;
}

bool SettingsStore::SaveSetting(const QString &section, const QString &key, const QString &value) {
    // Memory keeps the new value even when the file cannot be written: the running program
    // then behaves as the user chose, and the next start finds the old file unharmed.
    obtain(section, key).value = value;
    return save();
}

void SettingsStore::read(QByteArray bytes) {
    if (bytes.size() > kMaxFileBytes) {
        // Cut short: drop the last line, which may be incomplete.
        bytes.truncate(kMaxFileBytes);
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    }
    if (bytes.startsWith(kUtf8Bom))
        bytes.remove(0, kUtf8Bom.size());

    // Lines before the first section have nowhere to go and are skipped. When a name
    // appears twice, the first section and the first key win, as in the Windows calls.
    std::optional<size_t> current;
    // Each line is decoded on its own and keeps a U+FEFF at its start: QString::fromUtf8
    // drops it, and a key that began with one would not read back as it was saved.
    QStringDecoder decodeLine(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                        QStringDecoder::Flag::ConvertInitialBom);
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView raw = QByteArrayView(bytes).sliced(start, end - start);
        start = end + 1;
        if (raw.endsWith('\r')) // a hand-edited file may end its lines with CR LF
            raw.chop(1);
        const QString line = decodeLine(raw);
        if (line.startsWith(QLatin1Char(kSectionOpen)) &&
            line.endsWith(QLatin1Char(kSectionClose)) && line.size() >= 2) {
            current = obtain_section(unescaped(QStringView(line).sliced(1, line.size() - 2)));
            continue;
        }
        if (!current || line.startsWith(QLatin1Char(kSectionOpen)))
            continue;
        qsizetype assign = -1;
        const QString key = unescaped(line, true, &assign);
        if (assign < 0)
            continue;
        if (Entry *e = add(*current, key))
            e->value = unescaped(QStringView(line).sliced(assign + 1));
    }
}

QByteArray SettingsStore::file_bytes() const {
    QString text;
    for (const Section &s : sections_) {
        text += QLatin1Char(kSectionOpen);
        text += escaped(s.name, TextKind::Section);
        text += QLatin1Char(kSectionClose);
        text += QLatin1Char('\n');
        for (const Entry &e : s.entries) {
            text += escaped(e.key, TextKind::Key);
            text += QLatin1Char(kAssign);
            text += escaped(e.value, TextKind::Value);
            text += QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}

bool SettingsStore::release_saves() {
    savesHeld_ = false;
    return save();
}

bool SettingsStore::save() const {
    return savesHeld_ || writer_(path_, file_bytes());
}
