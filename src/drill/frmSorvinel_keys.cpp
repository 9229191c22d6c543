// Keyboard dispatch by screen state.
#include "drill/frmSorvinel.h"
#include "shared/modSorvinel.h"

void frmSorvinel::Form_KeyDown(int &keyCode, int shift)
{
    (void)shift;
    modSorvinel.park_mouse_pointer();
    keyCode = 0;
}

void frmSorvinel::Form_KeyUp(int &keyCode, int shift)
{
    (void)shift;
    key_held = false;
    keyCode = 0;
}
