#pragma once

class QWidget;

// True while the application palette's window colour is dark.
bool isPaletteDark();

// Gives `window` a dark native title bar when the palette is dark.
void applyDarkTitleBar(QWidget *window);
