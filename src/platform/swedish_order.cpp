#include "platform/swedish_order.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace platform {
namespace {

// Private-use characters, above every letter of the Latin alphabets.
constexpr char16_t kAa = 0xE000, kAe = 0xE001, kOe = 0xE002;

// Without ICU, Qt collates by the process's C locale, which is often not Swedish: ask the
// collator for the order instead of trusting the locale's name.
bool gives_swedish_order(const QCollator &collator) {
    const std::array<QString, 5> alphabet{QStringLiteral("a"), QStringLiteral("Z"),
                                          QStringLiteral("å"), QStringLiteral("Ä"),
                                          QStringLiteral("ö")};
    for (size_t i = 1; i < alphabet.size(); ++i)
        if (collator.compare(alphabet[i - 1], alphabet[i]) >= 0)
            return false;
    return collator.compare(QStringLiteral("Å"), QStringLiteral("å")) == 0;
}

const QCollator *swedish_collator() {
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Swedish, QLocale::Sweden));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    static const bool usable = gives_swedish_order(collator);
    return usable ? &collator : nullptr;
}

QString own_key(const QString &name) {
    const QString lower = name.normalized(QString::NormalizationForm_C).toLower();
    QString key;
    key.reserve(lower.size());
    for (const QChar c : lower) {
        switch (c.unicode()) {
        case u'å':
            key += QChar(kAa);
            break;
        case u'ä':
        case u'æ':
            key += QChar(kAe);
            break;
        case u'ö':
        case u'ø':
            key += QChar(kOe);
            break;
        case u'ü':
            key += u'y';
            break;
        default: {
            // é sorts as e.
            const QString parts = QString(c).normalized(QString::NormalizationForm_D);
            key += parts.isEmpty() ? c : parts.front();
        }
        }
    }
    return key;
}

} // namespace

void sort_swedish(QStringList &names, SwedishCollation how) {
    const QCollator *collator = how == SwedishCollation::Best ? swedish_collator() : nullptr;
    if (collator) {
        std::sort(names.begin(), names.end(), [collator](const QString &a, const QString &b) {
            const int r = collator->compare(a, b);
            return r != 0 ? r < 0 : a < b;
        });
        return;
    }
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(names.size()));
    for (const QString &n : names)
        keyed.emplace_back(own_key(n), n);
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = keyed[size_t(i)].second;
}

} // namespace platform
