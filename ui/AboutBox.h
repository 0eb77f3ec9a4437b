#pragma once

#include "app/AppVersion.h"

#include <QString>

class QWidget;

// The About box text for these version numbers and this build.
QString aboutText(const AppVersionNumbers &numbers);

// Reads the version beside the executable again and shows the About box.
void showAboutBox(QWidget *parent);
