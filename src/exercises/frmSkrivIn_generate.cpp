// Generating tasks: own selection, filling out, removing tens crossings.
#include "exercises/frmSkrivIn.h"

void frmSkrivIn::connect_generate_commands() {}
