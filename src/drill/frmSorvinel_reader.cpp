// The screen-reader field: keys typed into it do nothing; in clipboard mode every change
// also goes to the clipboard in a spoken-style form.
#include "drill/frmSorvinel.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

void frmSorvinel::txtJaws_Change() {
    if (!modSorvinel.reader_text_to_clipboard || txtJaws->text().isEmpty())
        return;
    platform::set_clipboard_text(ModSorvinel::clipboard_text_for(txtJaws->text()));
}

bool frmSorvinel::txtJaws_Mouse(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:    // txtJaws_MouseDown, _Click
    case QEvent::MouseButtonRelease:  // txtJaws_MouseUp
    case QEvent::MouseButtonDblClick: // txtJaws_DblClick
        modSorvinel.park_mouse_pointer();
        return true;
    case QEvent::MouseMove:
        // In clipboard mode the pointer may rest on the field.
        if (!modSorvinel.reader_text_to_clipboard)
            modSorvinel.park_mouse_pointer();
        return false;
    default:
        return false;
    }
}
