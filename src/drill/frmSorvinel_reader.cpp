// The screen-reader field: keys typed into it do nothing; in clipboard mode every change
// also goes to the clipboard in a spoken-style form.
#include "drill/frmSorvinel.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

void frmSorvinel::txtJaws_Change()
{
    if (!modSorvinel.reader_text_to_clipboard || txtJaws->text().isEmpty())
        return;
    platform::set_clipboard_text(ModSorvinel::clipboard_text_for(txtJaws->text()));
}
