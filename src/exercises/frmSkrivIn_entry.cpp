// Typing tasks on the keypad or the keyboard, placing, moving and removing them.
#include "exercises/frmSkrivIn.h"

void frmSkrivIn::connect_entry_commands() {}
