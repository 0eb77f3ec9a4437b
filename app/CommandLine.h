#pragma once

#include <QString>
#include <QStringList>

// Applies the download-site origin given with "--origin URL" or, failing
// that, in the TRAVONIX_ORIGIN environment variable. Returns a message for
// the user when the value is not usable; the default origin stays then.
QString applyOriginSetting(const QStringList &arguments);
