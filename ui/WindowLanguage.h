// The language the window speaks: the first of the user's languages it is
// translated into, else English, with Qt's own texts (the buttons of message
// boxes and file dialogs) in the same language. The command line never
// installs it: scripts read its English.
#pragma once

#include <QLocale>
#include <QString>

// The translation chosen for `locale`, by its languages in order: "de",
// "pt_BR", "pt" (Portugal), "zh_CN", "zh_TW"; "en" when none is there.
QString windowLanguageFor(const QLocale &locale);

// Installs the window's texts and Qt's own for `locale` on the application,
// in place of those installed before; returns the language chosen.
QString installWindowLanguage(const QLocale &locale);

// The name of the language installed last, in that language ("Deutsch");
// "English" before any.
QString windowLanguageName();
