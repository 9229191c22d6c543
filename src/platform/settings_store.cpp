#include "platform/settings_store.h"
#include "platform/atomic_file.h"
#include "platform/regular_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <algorithm>
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
// A save holds the lock for a few milliseconds. One left by a copy that ended without
// letting go (a crash) is taken over at once when its process is gone, else once it is
// this old.
constexpr int kStaleLockMs = 1000;
constexpr int kLockWaitMs = 2000;
const QString kLockSuffix = QStringLiteral(".lock");
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

platform::FileRead read_store_file(const QString &path) {
    // One byte beyond the limit tells whether the file was cut short.
    return platform::read_regular_file(path, kMaxFileBytes + 1);
}

// What of a file the store reads: at most the limit, and then only whole lines.
platform::FileRead within_limit(platform::FileRead file) {
    if (file.bytes.size() > kMaxFileBytes) {
        file.bytes.truncate(kMaxFileBytes);
        file.cut_short = true;
    }
    if (file.cut_short)
        file.bytes.truncate(file.bytes.lastIndexOf('\n') + 1);
    return file;
}

// Whether a file may be written over: there is none, or it was read whole. A file that
// could not be read would lose whatever it holds.
bool may_replace(const platform::FileRead &file) {
    return file.state == platform::FileState::Missing ||
           (file.state == platform::FileState::Read && !file.cut_short);
}

} // namespace

SettingsStore::SettingsStore(QString filePath)
    : SettingsStore(std::move(filePath), read_store_file, write_store_file) {
    lockBeside_ = true;
}

SettingsStore::SettingsStore(QString filePath, Reader reader, Writer writer)
    : path_(std::move(filePath)), reader_(reader ? std::move(reader) : Reader(read_store_file)),
      writer_(writer ? std::move(writer) : Writer(write_store_file)) {
    const platform::FileRead file = within_limit(reader_(path_));
    fileUsable_ = may_replace(file);
    // A file that is there but cannot be read leaves every default for this run.
    if (file.state == platform::FileState::Read)
        memory_.read(file.bytes);
}

QString SettingsStore::default_path() {
    // A relative XDG_CONFIG_HOME is to be ignored, as the XDG rules say.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/PLOXA Sorvinel.ini");
}

QString SettingsStore::GetSetting(const QString &section, const QString &key,
                                  const QString &defaultValue) const {
    const QString *value = memory_.value(section, key);
    return value ? *value : defaultValue;
}

bool SettingsStore::SaveSetting(const QString &section, const QString &key, const QString &value) {
    // Memory keeps the new value even when the file cannot be written: the running program
    // then behaves as the user chose, and the next start finds the old file unharmed.
    memory_.set(section, key, value);
    unsaved_.push_back(Address{section, key});
    return save();
}

bool SettingsStore::release_saves() {
    savesHeld_ = false;
    return save();
}

QByteArray SettingsStore::file_bytes() const {
    return memory_.bytes();
}

bool SettingsStore::save() {
    if (savesHeld_ || unsaved_.empty())
        return true;
    const bool saved = fileUsable_ && (lockBeside_ ? save_under_lock() : write_unsaved());
    // A key that failed is not written later by the save of another one: the user was told
    // that it did not reach the file.
    unsaved_.clear();
    return saved;
}

bool SettingsStore::save_under_lock() {
    // The lock file goes where the settings file goes.
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    QLockFile lock(path_ + kLockSuffix);
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return false;
    return write_unsaved();
}

bool SettingsStore::write_unsaved() {
    const platform::FileRead now = within_limit(reader_(path_));
    if (!may_replace(now))
        return false;
    Document file;
    if (now.state == platform::FileState::Read)
        file.read(now.bytes);
    for (const Address &a : unsaved_)
        file.set(a.section, a.key, *memory_.value(a.section, a.key));
    return writer_(path_, file.bytes());
}

const QString *SettingsStore::Document::value(const QString &section, const QString &key) const {
    const auto s = sectionIndex_.constFind(lookup_name(section));
    if (s == sectionIndex_.cend())
        return nullptr;
    const auto e = entryIndex_.constFind(EntryKey(*s, lookup_name(key)));
    return e == entryIndex_.cend() ? nullptr : &sections_[*s].entries[*e].value;
}

SettingsStore::Document::Entry *SettingsStore::Document::add(size_t s, const QString &key) {
    if (entryIndex_.contains(EntryKey(s, lookup_name(key))))
        return nullptr;
    std::vector<Entry> &entries = sections_[s].entries;
    entryIndex_.insert(EntryKey(s, folded(key)), entries.size());
    entries.push_back(Entry{key, QString()});
    return &entries.back();
}

void SettingsStore::Document::set(const QString &section, const QString &key,
                                  const QString &value) {
    const size_t s = obtain_section(section);
    const auto e = entryIndex_.constFind(EntryKey(s, lookup_name(key)));
    if (e != entryIndex_.cend())
        sections_[s].entries[*e].value = value;
    else
        add(s, key)->value = value;
}

size_t SettingsStore::Document::obtain_section(const QString &name) {
    const auto it = sectionIndex_.constFind(lookup_name(name));
    if (it != sectionIndex_.cend())
        return *it;
    sectionIndex_.insert(folded(name), sections_.size());
    sections_.push_back(Section{name, {}});
    return sections_.size() - 1;
}

void SettingsStore::Document::read(QByteArray bytes) {
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

QByteArray SettingsStore::Document::bytes() const {
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
