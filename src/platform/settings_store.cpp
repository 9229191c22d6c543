#include "platform/settings_store.h"
#include "platform/atomic_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

enum class TextKind { Section, Key, Value };

QString escaped(const QString &text, TextKind kind) {
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
QString unescaped(const QString &text, bool stopAtAssign = false, qsizetype *stop = nullptr) {
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

} // namespace

const SettingsStore::Entry *SettingsStore::Section::find(const QString &key) const {
    const auto it = index.constFind(folded(key));
    return it == index.cend() ? nullptr : &entries[*it];
}

SettingsStore::Entry &SettingsStore::Section::obtain(const QString &key) {
    const QString k = folded(key);
    const auto it = index.constFind(k);
    if (it != index.cend())
        return entries[*it];
    index.insert(k, entries.size());
    entries.push_back(Entry{key, QString()});
    return entries.back();
}

SettingsStore::SettingsStore(QString filePath) : path_(std::move(filePath)) {
    load();
}

QString SettingsStore::defaultPath() {
    // A relative XDG_CONFIG_HOME is to be ignored, as the XDG rules say.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/PLOXA Sorvinel.ini");
}

SettingsStore::Section *SettingsStore::findSection(const QString &name) {
    const auto it = sectionIndex_.constFind(folded(name));
    return it == sectionIndex_.cend() ? nullptr : &sections_[*it];
}

const SettingsStore::Section *SettingsStore::findSection(const QString &name) const {
    const auto it = sectionIndex_.constFind(folded(name));
    return it == sectionIndex_.cend() ? nullptr : &sections_[*it];
}

SettingsStore::Section &SettingsStore::obtainSection(const QString &name) {
    if (Section *s = findSection(name))
        return *s;
    sectionIndex_.insert(folded(name), sections_.size());
    sections_.push_back(Section{name, {}, {}});
    return sections_.back();
}

QString SettingsStore::GetSetting(const QString &section, const QString &key,
                                  const QString &defaultValue) const {
    const Section *s = findSection(section);
    const Entry *e = s ? s->find(key) : nullptr;
    return e ? e->value : defaultValue;
}

bool SettingsStore::SaveSetting(const QString &section, const QString &key, const QString &value) {
    // Memory keeps the new value even when the file cannot be written: the running program
    // then behaves as the user chose, and the next start finds the old file unharmed.
    obtainSection(section).obtain(key).value = value;
    return save();
}

void SettingsStore::load() {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.read(kMaxFileBytes);
    if (!file.atEnd()) {
        // Cut short: drop the last line, which may be incomplete.
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    }
    if (bytes.startsWith(kUtf8Bom))
        bytes.remove(0, kUtf8Bom.size());

    // Lines before the first section have nowhere to go and are skipped. When a name
    // appears twice, the first section and the first key win, as in the Windows calls.
    Section *current = nullptr;
    for (QByteArray &raw : bytes.split('\n')) {
        if (raw.endsWith('\r')) // a hand-edited file may end its lines with CR LF
            raw.chop(1);
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(QLatin1Char(kSectionOpen)) &&
            line.endsWith(QLatin1Char(kSectionClose)) && line.size() >= 2) {
            current = &obtainSection(unescaped(line.mid(1, line.size() - 2)));
            continue;
        }
        if (!current || line.startsWith(QLatin1Char(kSectionOpen)))
            continue;
        qsizetype assign = -1;
        const QString key = unescaped(line, true, &assign);
        if (assign < 0)
            continue;
        if (current->find(key))
            continue;
        current->obtain(key).value = unescaped(line.mid(assign + 1));
    }
}

bool SettingsStore::save() const {
    QString text;
    for (const Section &s : sections_) {
        text += QLatin1Char(kSectionOpen) + escaped(s.name, TextKind::Section) +
                QLatin1Char(kSectionClose) + QLatin1Char('\n');
        for (const Entry &e : s.entries)
            text += escaped(e.key, TextKind::Key) + QLatin1Char(kAssign) +
                    escaped(e.value, TextKind::Value) + QLatin1Char('\n');
    }

    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    return platform::write_file_atomically(path_, text.toUtf8());
}
