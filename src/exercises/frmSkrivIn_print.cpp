// Printing the saved exercise and the print options.
#include "exercises/frmSkrivIn.h"

void frmSkrivIn::connect_print_commands() {}
