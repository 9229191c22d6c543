// Menu-bar commands of this area.
#include "drill/frmSorvinel.h"

void frmSorvinel::connect_editor_commands() {}
