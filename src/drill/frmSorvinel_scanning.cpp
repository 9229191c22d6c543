// One-key scanning: the timer steps the highlight over the on-screen menu or the number
// board; Enter, the one key, chooses what is current.
#include "drill/frmSorvinel.h"
#include "drill/one_key_scanning.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

#include <QApplication>

void frmSorvinel::timEnTangent_Timer() {
    // A message or reward window is answered on its own; the highlight waits behind it.
    // The splash comes before the menus are loaded and lets the dwell count run.
    if (loaded_ && (QApplication::activeModalWidget() || QApplication::activePopupWidget()))
        return;
    scanning::Position at;
    at.screen = modSorvinel.screen_state;
    at.menu_item = current_menu_item;
    at.board_key = board_key;
    at.blandat = modSorvinel.current_operation == Operation::Blandat;
    at.board_steered = modSorvinel.number_board_shown && !modSorvinel.board_clickable;
    at.dwell = scan_dwell_count;
    const scanning::Step s = scanning::step(at, modSorvinel.beep_on);
    scan_dwell_count = s.dwell;
    if (s.dwelling)
        return;
    if (s.beep)
        platform::beep();
    if (s.moves == scanning::Moves::MenuItem && loaded_) {
        current_menu_item = s.menu_item;
        highlight_menu_item(current_menu_item);
    } else if (s.moves == scanning::Moves::BoardKey) {
        board_key = s.board_key;
        modSorvinel.paint_number_board(board_key);
    }
}
