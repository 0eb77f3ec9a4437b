#pragma once

#include "common/AppVersionNumbers.h"

#include <QString>

class QWidget;

// The About box text for these version numbers and this build.
QString aboutText(const AppVersionNumbers &numbers);

// Shows the About box for these version numbers.
void showAboutBox(QWidget *parent, const AppVersionNumbers &numbers);
