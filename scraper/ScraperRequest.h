// One request of the scraper, from the call that makes it to its result or
// its failure: what it waits for and everything it counts. A new request
// replaces the last one whole, so nothing of an earlier one carries over.
#pragma once

#include "ScraperTypes.h"

#include <optional>

// The link search of one language choice: its rounds of polls, its
// re-selections and its one reload. A load of the page, or the page's
// editions read after one, never starts a search again or resets a count.
struct LinkSearch {
    enum class Phase {
        // Polls of the round that follows the choice; a load of the page
        // (the page reloading itself) is its answer to the submission.
        FirstRound,
        // A reload was asked for; the load that completes starts the next round.
        Reloading,
        // Polls of a round that follows a reload; a load is not taken up.
        LaterRound,
        // Links were seen; the first reading of them ends the search.
        Reading,
        Ended,
    };

    explicit LinkSearch(LanguageInfo row)
        : language(std::move(row))
    {
    }

    bool isPolling() const { return phase == Phase::FirstRound || phase == Phase::LaterRound; }
    // Every change of phase begins a new stretch of the search: the steps
    // and answers of the one before it no longer act (a page that reloads
    // itself would otherwise leave two chains of polls side by side).
    void enter(Phase next)
    {
        phase = next;
        ++stretch;
    }
    // Whether a completed load of the product's page starts a re-selection
    // round: also once links were seen but not yet read, for the fresh page
    // has none of them. A page the search moved on to is read instead.
    bool takesLoad(bool productPage) const
    {
        return phase == Phase::FirstRound || phase == Phase::Reloading || (phase == Phase::Reading && productPage);
    }

    // The page's row of the language chosen.
    LanguageInfo language;
    Phase phase = Phase::FirstRound;
    int stretch = 0;
    int pollCount = 0;
    int linkReloadCount = 0;
    int languageValidationAttempts = 0;
};

struct ScraperRequest {
    enum class Result { None, Editions, Languages, Links };

    ScraperRequest() = default;
    explicit ScraperRequest(Result result)
        : awaited(result)
    {
    }

    // Result::None once the request has its result or has failed.
    Result awaited = Result::None;
    // Bumped when a load of the page starts the request's step again: the
    // steps and answers asked before no longer act.
    int stretch = 0;
    // Times a page that reloaded itself had the edition confirmed again.
    int editionConfirmations = 0;
    int versionValidationAttempts = 0;
    int languageRetryCount = 0;
    // Made by the language choice.
    std::optional<LinkSearch> linkSearch;
};
