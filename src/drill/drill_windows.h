#pragma once
// The windows a drill opens. Each shows its window modally and returns when it closed;
// results come back through the shared module (see modSorvinel.h).

class frmSorvinel;

// Shows modSorvinel.message_text as modSorvinel.message_kind; sets modSorvinel.message_go_on.
void show_message_window(frmSorvinel *owner);
// The reward after an error-free drill, as modSorvinel.reward_type says (may store a record).
void show_reward_window(frmSorvinel *owner);
// The record list.
void show_record_window(frmSorvinel *owner);
