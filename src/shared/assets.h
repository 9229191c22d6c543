#pragma once
// Makes the compiled-in pictures available; safe to call more than once.
void init_assets();
