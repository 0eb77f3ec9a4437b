// How many times the scraper tries each step before it gives up.
#pragma once

namespace ScraperLimits {

constexpr int LoadAttempts = 3;
constexpr int LanguageReads = 3;
constexpr int ValidationChecks = 30;
constexpr int PollAttempts = 25;
constexpr int PollAttemptsAfterReload = 15;
constexpr int PollsWithUnsubmittedForm = 20;
constexpr int PollsWithoutContainer = 10;
constexpr int SubmitAttempts = 3;
constexpr int LinkReloads = 2;

} // namespace ScraperLimits
