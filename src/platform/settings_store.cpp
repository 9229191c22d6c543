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
// The value is everything after the first unescaped '=' up to the end of the line. That is
// how the store writes a line; a line it does not set stays as it was read, whatever it
// holds, and a line it adds ends as the file's lines end (CR LF when all of them do).
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

bool escapable(char c) {
    return c == 'n' || c == 'r' || c == kEscape || c == kAssign || c == kSectionOpen;
}

// Undoes escaped().
QString unescaped(const QString &text) {
    // Most texts hold no backslash: nothing to undo.
    if (!text.contains(QLatin1Char(kEscape)))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(kEscape) && i + 1 < text.size() && escapable(text[i + 1].toLatin1())) {
            const char next = text[++i].toLatin1();
            out += next == 'n'   ? QLatin1Char('\n')
                   : next == 'r' ? QLatin1Char('\r')
                                 : QLatin1Char(next);
            continue;
        }
        out += c;
    }
    return out;
}

// Where the first '=' that no backslash escapes stands in a key line, or -1. The escapes are
// ASCII, so the bytes tell as well as the text.
qsizetype assign_at(QByteArrayView line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == kEscape && i + 1 < line.size() && escapable(line[i + 1]))
            ++i;
        else if (line[i] == kAssign)
            return i;
    }
    return -1;
}

// How many bytes at the end of a line are its line end. A hand-edited file may end its
// lines with CR LF; a CR that ends the file counts as one too.
qsizetype line_end_size(QByteArrayView line) {
    if (line.endsWith("\r\n"))
        return 2;
    return line.endsWith('\n') || line.endsWith('\r') ? 1 : 0;
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
    entries.push_back(Entry{key, QString(), {}, 0});
    return &entries.back();
}

void SettingsStore::Document::set(const QString &section, const QString &key,
                                  const QString &value) {
    const QByteArray written = escaped(value, TextKind::Value).toUtf8();
    const size_t s = obtain_section(section);
    const auto e = entryIndex_.constFind(EntryKey(s, lookup_name(key)));
    if (e != entryIndex_.cend()) {
        // The key's line keeps its name as spelled there and its line end.
        Entry &entry = sections_[s].entries[*e];
        entry.value = value;
        entry.line->text.truncate(entry.valueAt);
        entry.line->text += written;
        return;
    }
    Section &into = sections_[s];
    const QByteArray name = escaped(key, TextKind::Key).toUtf8();
    into.last = insert_line(into.last, name + kAssign + written);
    Entry *added = add(s, key);
    added->value = value;
    added->line = into.last;
    added->valueAt = name.size() + 1;
}

size_t SettingsStore::Document::obtain_section(const QString &name) {
    const auto it = sectionIndex_.constFind(lookup_name(name));
    if (it != sectionIndex_.cend())
        return *it;
    const QByteArray header =
        kSectionOpen + escaped(name, TextKind::Section).toUtf8() + kSectionClose;
    return add_section(name, insert_line(std::nullopt, header));
}

size_t SettingsStore::Document::add_section(const QString &name, LineAt header) {
    sectionIndex_.insert(folded(name), sections_.size());
    sections_.push_back(Section{name, {}, header});
    return sections_.size() - 1;
}

SettingsStore::Document::LineAt SettingsStore::Document::insert_line(std::optional<LineAt> after,
                                                                     QByteArray text) {
    if (lines_.empty())
        return lines_.insert(lines_.end(), Line{std::move(text), lineEnd_});
    const LineAt before = after ? *after : std::prev(lines_.end());
    // The line it follows may be the file's last, without a line end of its own.
    if (!before->end.endsWith('\n'))
        before->end = before->end.isEmpty() ? lineEnd_ : before->end + '\n';
    return lines_.insert(std::next(before), Line{std::move(text), lineEnd_});
}

void SettingsStore::Document::read(QByteArray bytes) {
    if (bytes.startsWith(kUtf8Bom)) {
        head_ = kUtf8Bom;
        bytes.remove(0, kUtf8Bom.size());
    }
    // New lines end as the file's lines do when all of them end alike.
    const qsizetype lineFeeds = bytes.count('\n');
    lineEnd_ = lineFeeds > 0 && bytes.count("\r\n") == lineFeeds ? "\r\n" : "\n";

    // Lines before the first section belong to none. When a name appears twice, the first
    // section and the first key win, as in the Windows calls.
    std::optional<size_t> current;
    // Each part is decoded on its own and keeps a U+FEFF at its start: QString::fromUtf8
    // drops it, and a key that began with one would not read back as it was saved.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const auto decoded = [&decoder](QByteArrayView part) { return QString(decoder(part)); };
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView raw = QByteArrayView(bytes).sliced(start, end - start);
        start = end;
        const qsizetype endSize = line_end_size(raw);
        const LineAt line = lines_.insert(lines_.end(), Line{raw.chopped(endSize).toByteArray(),
                                                             raw.last(endSize).toByteArray()});
        const QByteArrayView text = line->text;
        if (text.startsWith(kSectionOpen) && text.endsWith(kSectionClose) && text.size() >= 2) {
            const QString name = unescaped(decoded(text.sliced(1, text.size() - 2)));
            const auto known = sectionIndex_.constFind(lookup_name(name));
            current = known != sectionIndex_.cend() ? *known : add_section(name, line);
            continue;
        }
        if (!current || text.startsWith(kSectionOpen))
            continue;
        const qsizetype assign = assign_at(text);
        if (assign < 0)
            continue;
        sections_[*current].last = line;
        if (Entry *e = add(*current, unescaped(decoded(text.first(assign))))) {
            e->value = unescaped(decoded(text.sliced(assign + 1)));
            e->line = line;
            e->valueAt = assign + 1;
        }
    }
}

QByteArray SettingsStore::Document::bytes() const {
    QByteArray out = head_;
    for (const Line &line : lines_) {
        out += line.text;
        out += line.end;
    }
    return out;
}
