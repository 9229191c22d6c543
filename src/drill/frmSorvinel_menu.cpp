// The on-screen menus and the screen states they set.
#include "drill/frmSorvinel.h"
#include "shared/modSorvinel.h"

void frmSorvinel::show_main_menu()
{
    modSorvinel.screen_state = ScreenState::MainMenu;
    labMeny->setCaption("Tabellövning");
    labMeny->show();
}
