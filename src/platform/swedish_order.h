#pragma once
// Names in the order of the Swedish alphabet, a .. z, å, ä, ö, without regard to case: the
// order a teacher on a Swedish system sees in a file list.
#include <QStringList>

namespace platform {

enum class SwedishCollation {
    Best,   // Qt's Swedish collation when it really gives that order here, else the own key
    OwnKey, // the own key alone: å, ä and ö after z, other accents on their base letter
};

// Names equal but for case keep one fixed order among themselves.
void sort_swedish(QStringList &names, SwedishCollation how = SwedishCollation::Best);

} // namespace platform
