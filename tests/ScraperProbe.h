// A scraper under test with spies on all of its signals.
#pragma once

#include "ReplicaServer.h"
#include "platform/SystemServices.h"
#include "scraper/ProductTable.h"
#include "scraper/QuibScraper.h"

#include <QElapsedTimer>
#include <QSignalSpy>

#include <memory>

struct ScraperProbe {
    explicit ScraperProbe(const ScraperTimings &timings)
        : scraper(std::make_unique<QuibScraper>())
    {
        scraper->setTimings(timings);
        auto *s = scraper.get();
        states = std::make_unique<QSignalSpy>(s, &QuibScraper::stateChanged);
        errors = std::make_unique<QSignalSpy>(s, &QuibScraper::error);
        failures = std::make_unique<QSignalSpy>(s, &QuibScraper::failed);
        versions = std::make_unique<QSignalSpy>(s, &QuibScraper::versionsExtracted);
        languages = std::make_unique<QSignalSpy>(s, &QuibScraper::languagesExtracted);
        links = std::make_unique<QSignalSpy>(s, &QuibScraper::downloadLinksExtracted);
        clock.start();
        const auto stamp = [this](QList<qint64> &times) { return [this, &times] { times << clock.elapsed(); }; };
        QObject::connect(s, &QuibScraper::stateChanged, s, stamp(stateTimes));
        QObject::connect(s, &QuibScraper::failed, s, stamp(failureTimes));
        QObject::connect(s, &QuibScraper::languagesExtracted, s, stamp(languageTimes));
        QObject::connect(s, &QuibScraper::downloadLinksExtracted, s, stamp(linkTimes));
    }

    QList<ScraperState> stateList() const
    {
        QList<ScraperState> list;
        for (const auto &arguments : *states)
            list << arguments.at(0).value<ScraperState>();
        return list;
    }
    QStringList errorList() const
    {
        QStringList list;
        for (const auto &arguments : *errors)
            list << arguments.at(0).toString();
        return list;
    }
    ScraperFailure lastFailure() const { return failures->last().at(0).value<ScraperFailure>(); }
    QList<ProductVersion> lastVersions() const { return versions->last().at(0).value<QList<ProductVersion>>(); }
    QList<LanguageInfo> lastLanguages() const { return languages->last().at(0).value<QList<LanguageInfo>>(); }
    QList<DownloadOption> lastLinks() const { return links->last().at(0).value<QList<DownloadOption>>(); }
    // When the scraper entered `state` for the nth time (0: the first); -1 if it did not.
    qint64 enteredAt(ScraperState state, int nth = 0) const
    {
        const QList<ScraperState> list = stateList();
        for (int i = 0; i < list.size(); ++i) {
            if (list.at(i) == state && nth-- == 0)
                return stateTimes.at(i);
        }
        return -1;
    }

    // When each signal of the scraper came, in ms since the probe was made,
    // so a test can tell how long it waited between two steps. Declared
    // before the scraper, so they outlive anything it signals as it goes.
    QElapsedTimer clock;
    QList<qint64> stateTimes;
    QList<qint64> failureTimes;
    QList<qint64> languageTimes;
    QList<qint64> linkTimes;
    std::unique_ptr<QuibScraper> scraper;
    std::unique_ptr<QSignalSpy> states;
    std::unique_ptr<QSignalSpy> errors;
    std::unique_ptr<QSignalSpy> failures;
    std::unique_ptr<QSignalSpy> versions;
    std::unique_ptr<QSignalSpy> languages;
    std::unique_ptr<QSignalSpy> links;
};

inline void registerScraperTypes()
{
    qRegisterMetaType<ScraperState>();
    qRegisterMetaType<QList<ProductVersion>>();
    qRegisterMetaType<QList<LanguageInfo>>();
    qRegisterMetaType<QList<DownloadOption>>();
    qRegisterMetaType<ScraperFailure>();
}

// The replica up with these switches set, and the scraper's download site
// pointed at it.
inline bool serveReplica(ReplicaServer &replica, const QStringList &switches = QStringList())
{
    registerScraperTypes();
    if (!replica.start() || !setSiteOrigin(replica.origin()))
        return false;
    for (const QString &line : switches) {
        if (replica.command(line) != QLatin1String("OK ") + line)
            return false;
    }
    return true;
}

// A system whose locale name a test chooses.
class FakeLocaleSystem final : public platform::SystemServices {
public:
    std::string localeName() const override { return locale; }
    std::string locale = "en-US";
};
