// The scripts the scraper runs in the vendor's page, and the calls into the
// page functions that the library defines.
#pragma once

#include <QString>

namespace PageScripts {

// The script stored as `name` (for example "poll_links"), wrapped with the
// shared helpers into one expression whose value is the script's result.
QString script(const QString &name);

// `value` as the inside of a JavaScript string literal in either kind of
// quotes: no character of it can end the literal, the line or a <script>.
QString escapedForJavaScript(const QString &value);

QString selectVersionCall(const QString &versionId);
QString selectLanguageCall(const QString &language);
QString extractLanguagesCall();
QString extractLinksCall();

} // namespace PageScripts
