// Sorting, shuffling, duplicates and random reduction of the task list.
#include "exercises/frmSkrivIn.h"

void frmSkrivIn::connect_list_tool_commands() {}
