#include "drill/drill_windows.h"
#include "shared/modSorvinel.h"

void show_message_window(frmSorvinel *) { modSorvinel.message_go_on = true; }
void show_reward_window(frmSorvinel *) {}
void show_record_window(frmSorvinel *) {}
