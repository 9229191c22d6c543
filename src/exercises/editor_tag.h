#pragma once
// The exercise editor's Tag: what it hands the fill-out and reduce dialogs, and what they
// hand back.

#include "shared/operation.h"

#include <QString>

namespace exercises {

// What the main window hands the editor in its Tag: a new exercise of an operation, or the
// latest wrong tasks of a drill of that operation.
struct EditorStart {
    Operation operation = Operation::Addition;
    bool latest_wrong_tasks = false;
    bool operator==(const EditorStart &) const = default;
};

enum class ListDialogOutcome {
    Unchanged, // cancelled, or closed without changing the list
    Done,      // "Klart!": the dialog changed the list
};

struct EditorTag {
    QString exercise_type; // the editor's type code, "+" .. "/" or "¤"
    ListDialogOutcome outcome = ListDialogOutcome::Unchanged;
};

} // namespace exercises
