// Browser identities: a desktop one for ISO transfers, phone ones for the page.
#pragma once

#include <QString>
#include <QStringList>

QString desktopUserAgent();
const QStringList &mobileUserAgents();

// One phone identity, chosen at random.
QString pickMobileUserAgent();
