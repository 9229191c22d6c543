#pragma once
// The exercise editor's Tag: what it hands the fill-out and reduce dialogs, and what they
// hand back.

#include <QString>

namespace exercises {

enum class ListDialogOutcome {
    Unchanged, // cancelled, or closed without changing the list
    Done,      // "Klart!": the dialog changed the list
};

struct EditorTag {
    QString exercise_type; // the editor's type code, "+" .. "/" or "¤"
    ListDialogOutcome outcome = ListDialogOutcome::Unchanged;
};

} // namespace exercises
