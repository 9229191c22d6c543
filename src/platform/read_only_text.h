#pragma once
// A read-only text box as a screen reader meets it: it reads, moves and marks, and offers no
// way to change the text. Qt's own object for a plain-text box offers editing whether or not
// the box is read-only, so a reader's "set text contents" replaced the guide's text.

class QPlainTextEdit;

namespace platform {

// From now on, `box` (read-only) has the reading-only object for accessibility clients. The
// object goes with the box.
void read_only_for_readers(QPlainTextEdit *box);

} // namespace platform
