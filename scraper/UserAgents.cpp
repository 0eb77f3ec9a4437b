#include "UserAgents.h"

#include <random>

QString desktopUserAgent()
{
    return QStringLiteral("Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                          "Chrome/120.0.0.0 Safari/537.36");
}

const QStringList &mobileUserAgents()
{
    static const QStringList agents = {
        QStringLiteral("Mozilla/5.0 (Linux; Android 13; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) "
                       "Chrome/120.0.0.0 Mobile Safari/537.36"),
        QStringLiteral("Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) "
                       "Chrome/120.0.0.0 Mobile Safari/537.36"),
        QStringLiteral("Mozilla/5.0 (Linux; Android 13; Pixel 7 Pro) AppleWebKit/537.36 (KHTML, like Gecko) "
                       "Chrome/119.0.0.0 Mobile Safari/537.36"),
        QStringLiteral("Mozilla/5.0 (Linux; Android 14; Samsung Galaxy S23) AppleWebKit/537.36 (KHTML, like Gecko) "
                       "Chrome/120.0.0.0 Mobile Safari/537.36"),
        QStringLiteral("Mozilla/5.0 (Linux; Android 13; Pixel 6a) AppleWebKit/537.36 (KHTML, like Gecko) "
                       "Chrome/118.0.0.0 Mobile Safari/537.36"),
    };
    return agents;
}

QString pickMobileUserAgent()
{
    std::random_device seedSource;
    std::mt19937 generator(seedSource());
    std::uniform_int_distribution<int> index(0, mobileUserAgents().size() - 1);
    return mobileUserAgents().at(index(generator));
}
