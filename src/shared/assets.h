#pragma once
// The compiled-in pictures.

class QLabel;
class QSize;

// Makes the compiled-in pictures available; safe to call more than once.
void init_assets();

// Shows the program's background picture on a window's picture label: from the window's top
// left corner over `size`, behind every other control.
void show_background(QLabel *picture, const QSize &size);
