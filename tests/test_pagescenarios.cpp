// How the scraper copes with every way the page can behave, with shrunk
// delays and the product's own attempt limits, in the real web engine
// against the replica.
#include "TestMain.h"
#include "scraper/WebEngineEnvironment.h"

#include "ReplicaServer.h"
#include "ScraperProbe.h"
#include "cli/Options.h"
#include "cli/PageChoice.h"
#include "scraper/ProductTable.h"

#include <QWebEngineView>

#include <memory>
#include <optional>

namespace {

constexpr int StepTimeoutMs = 20000;

ScraperTimings shrunkTimings()
{
    ScraperTimings t;
    t.pageLoadTimeoutMs = 8000;
    t.loadRetryDelayMs = 100;
    t.afterInjectionMs = 100;
    t.languageExtractionDelayMs = 100;
    t.linkExtractionDelayMs = 100;
    t.resubmitDelayMs = 100;
    // The page confirms an edition 300 ms after it is chosen, and a page
    // that is never shown runs its timers up to a second late.
    t.afterVersionSelectionMs = 1500;
    t.validationRecheckMs = 30;
    t.languageRetryDelayMs = 200;
    t.afterLanguageSelectionMs = 200;
    t.pollIntervalMs = 60;
    t.reloadDelayMs = 100;
    t.reselectLanguageDelayMs = 200;
    t.pollAfterReselectionMs = 300;
    return t;
}

QWebEngineView *scraperView()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (auto *view = qobject_cast<QWebEngineView *>(widget))
            return view;
    }
    return nullptr;
}

const QString NoLinksAfterAttempts = QStringLiteral("No download links found after multiple attempts");

} // namespace

class TestPageScenarios : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(serveReplica(m_replica)); }

    void init()
    {
        QVERIFY(m_replica.reset());
        m_probe = std::make_unique<ScraperProbe>(shrunkTimings());
    }

    void cleanup()
    {
        m_probe.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void severalEditionsInPageOrder()
    {
        send(QStringLiteral("editions 3"));
        QVERIFY(loadPage(QStringLiteral("win11")));
        const QList<ProductVersion> editions = m_probe->lastVersions();
        QCOMPARE(editions.size(), 3);
        QVERIFY(editions.at(0).name.startsWith(QLatin1String("Windows 11 (multi-edition ISO")));
        QVERIFY(editions.at(1).id != editions.at(0).id && editions.at(2).id != editions.at(1).id);
    }

    // A third-party script writes lines in the scraper's tag format and
    // defines the scraper's page functions: none of it counts.
    void pageScriptsCannotSteerTheScraper()
    {
        send(QStringLiteral("thirdparty on"));
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, StepTimeoutMs);
        QTest::qWait(1500);
        QCOMPARE(m_probe->versions->size(), 1);
        QCOMPARE(m_probe->languages->size(), 1);
        QCOMPARE(m_probe->links->size(), 1);
        QVERIFY(m_probe->errors->isEmpty());
        QCOMPARE(m_probe->lastLanguages().size(), 38);
        QVERIFY(m_probe->lastLinks().first().url.startsWith(m_replica.origin() + QLatin1String("/dbazure/")));
        QCOMPARE(m_replica.count(QStringLiteral("links")), 1);
        // The page's own script was there all along, with its versions of our functions.
        QCOMPARE(inPage(QStringLiteral("typeof window.quibQtExtractLinks")).toString(), QStringLiteral("function"));
    }

    // The first product's search is still polling when the user picks another.
    void newProductSupersedesARunningSearch()
    {
        send(QStringLiteral("nolinks 1000"));
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        // The page has answered the first search with no links, and the scraper polls for them.
        QTRY_VERIFY_WITH_TIMEOUT(m_replica.count(QStringLiteral("links")) >= 1
                                     && m_probe->scraper->state() == ScraperState::ExtractingLinks,
                                 StepTimeoutMs);
        send(QStringLiteral("nolinks 0"));
        QVERIFY(reachLanguages(QStringLiteral("win10"), 2));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, StepTimeoutMs);
        QTest::qWait(2000);
        QCOMPARE(m_probe->links->size(), 1);
        QVERIFY(m_probe->errors->isEmpty());
        for (const DownloadOption &option : m_probe->lastLinks())
            QVERIFY2(option.url.contains(QLatin1String("Win10_")), qPrintable(option.url));
        QCOMPARE(m_replica.hits(), 2);
        QCOMPARE(m_replica.count(QStringLiteral("links")), 2);
    }

    void emptyLanguageListIsReadThreeTimes()
    {
        send(QStringLiteral("languages empty"));
        QVERIFY(loadPage(QStringLiteral("win11")));
        m_probe->scraper->selectVersion(m_probe->lastVersions().first().id);
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->errors->size(), 1, StepTimeoutMs);
        QCOMPARE(m_probe->errorList(), QStringList{QStringLiteral("No languages found on the page")});
        const QList<ScraperState> states = m_probe->stateList();
        QCOMPARE(states.mid(states.indexOf(ScraperState::SelectingVersion)),
                 (QList<ScraperState>{ScraperState::SelectingVersion, ScraperState::ExtractingLanguages,
                                      ScraperState::ExtractingLanguages, ScraperState::ExtractingLanguages,
                                      ScraperState::Idle}));
        // Each read after the first waits for the page a while.
        QVERIFY(m_probe->failureTimes.first() - m_probe->enteredAt(ScraperState::ExtractingLanguages)
                >= 2 * shrunkTimings().languageRetryDelayMs);
    }

    // The languages are read once the page's dialog is gone, or after thirty
    // looks at one that stays.
    void editionDialogIsWaitedFor_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("recheckMs");
        QTest::addColumn<bool>("goes");
        QTest::newRow("slow") << "validation 2500" << 200 << true;
        QTest::newRow("stuck") << "stuckdialog edition" << 30 << false;
    }
    void editionDialogIsWaitedFor()
    {
        QFETCH(QString, dialog);
        QFETCH(int, recheckMs);
        QFETCH(bool, goes);
        ScraperTimings timings = shrunkTimings();
        timings.validationRecheckMs = recheckMs;
        m_probe->scraper->setTimings(timings);
        send(dialog);
        QVERIFY(loadPage(QStringLiteral("win11")));
        m_probe->scraper->selectVersion(m_probe->lastVersions().first().id);
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->languages->size(), 1, StepTimeoutMs);
        QCOMPARE(m_probe->lastLanguages().size(), 38);
        const qint64 read = m_probe->languageTimes.first();
        const qint64 waited = read - m_probe->enteredAt(ScraperState::ExtractingLanguages);
        if (goes) {
            QVERIFY2(read - m_probe->enteredAt(ScraperState::SelectingVersion) >= 2500,
                     qPrintable(QString::number(read)));
            QVERIFY2(waited < 30 * recheckMs, qPrintable(QString::number(waited)));
        } else {
            QVERIFY2(waited >= 30 * recheckMs, qPrintable(QString::number(waited)));
        }
    }

    // The round after a reload waits the dialog out as the first one does.
    void stuckLanguageDialogIsWaitedOutThenLinksWin_data()
    {
        QTest::addColumn<QString>("links");
        QTest::addColumn<int>("linkRequests");
        QTest::newRow("first round") << "nolinks 0" << 1;
        QTest::newRow("round after a reload") << "nolinks 1" << 2;
    }
    void stuckLanguageDialogIsWaitedOutThenLinksWin()
    {
        QFETCH(QString, links);
        QFETCH(int, linkRequests);
        ScraperTimings timings = shrunkTimings();
        // Long enough for the page to confirm the language and show its dialog.
        timings.afterLanguageSelectionMs = 3500;
        timings.pollAfterReselectionMs = 3500;
        m_probe->scraper->setTimings(timings);
        send(QStringLiteral("stuckdialog language"));
        send(links);
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, 3 * StepTimeoutMs);
        // Thirty looks at the dialog, then the links the page shows behind it.
        const qint64 waited =
            m_probe->enteredAt(ScraperState::ExtractingLinks, 1) - m_probe->enteredAt(ScraperState::ExtractingLinks);
        QVERIFY2(waited >= 30 * timings.validationRecheckMs, qPrintable(QString::number(waited)));
        QVERIFY(m_probe->errors->isEmpty());
        QCOMPARE(m_probe->versions->size(), 1);
        QCOMPARE(m_replica.count(QStringLiteral("links")), linkRequests);
    }

    void validatingPageIsPolledUntilLinksAppear()
    {
        send(QStringLiteral("validation 1200"));
        send(QStringLiteral("linksdelay 600"));
        QVERIFY(reachLanguages(QStringLiteral("win10")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, StepTimeoutMs);
        QCOMPARE(m_probe->lastLinks().size(), 2);
        QVERIFY(m_probe->errors->isEmpty());
        // Confirmed once: a page busy with the request is neither asked again nor reloaded.
        QCOMPARE(m_replica.count(QStringLiteral("links")), 1);
        QCOMPARE(m_replica.hits(), 1);
    }

    void refusalReportsThePagesMessage()
    {
        send(QStringLiteral("refuse 1"));
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->errors->size(), 1, StepTimeoutMs);
        const QString message = m_probe->errorList().first();
        QVERIFY2(message.startsWith(QLatin1String("We are unable to complete your request at this time.")),
                 qPrintable(message));
        QVERIFY(message.contains(QLatin1String("message code 715-123130 and")));
        QVERIFY(message.endsWith(QLatin1Char('.')));
        QVERIFY(m_probe->links->isEmpty());
    }

    void missingContainerEndsAfterTenPollsWithoutReload()
    {
        send(QStringLiteral("container none"));
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->errors->size(), 1, StepTimeoutMs);
        QCOMPARE(m_probe->errorList(), QStringList{NoLinksAfterAttempts});
        QCOMPARE(m_probe->lastFailure().kind, FailureKind::NoLinks);
        QVERIFY(m_probe->failureTimes.first() - m_probe->enteredAt(ScraperState::ExtractingLinks)
                >= 9 * shrunkTimings().pollIntervalMs);
        QTest::qWait(500);
        QCOMPARE(m_replica.hits(), 1);
    }

    void substituteContainerIsRead_data()
    {
        QTest::addColumn<QString>("id");
        for (const char *id : {"download", "download-section", "iso-download", "form-download"})
            QTest::newRow(id) << QString::fromLatin1(id);
    }
    void substituteContainerIsRead()
    {
        QFETCH(QString, id);
        send(QStringLiteral("container ") + id);
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, StepTimeoutMs);
        QCOMPARE(m_probe->lastLinks().size(), 1);
        QCOMPARE(m_probe->lastLinks().first().architecture, QStringLiteral("x64"));
    }

    void emptyContainerLeadsToOneReloadThenGivesUp()
    {
        send(QStringLiteral("nolinks 1000"));
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->errors->size(), 1, 3 * StepTimeoutMs);
        QCOMPARE(m_probe->errorList(), QStringList{NoLinksAfterAttempts});
        QCOMPARE(m_probe->lastFailure().kind, FailureKind::NoLinks);
        // Twenty-five polls, one reload, the language confirmed again on the
        // fresh page, fifteen polls there, then the end.
        const int interval = shrunkTimings().pollIntervalMs;
        QVERIFY(m_probe->enteredAt(ScraperState::SubmittingSelection, 1)
                    - m_probe->enteredAt(ScraperState::ExtractingLinks)
                >= 24 * interval);
        QVERIFY(m_probe->failureTimes.first() - m_probe->enteredAt(ScraperState::ExtractingLinks, 1) >= 14 * interval);
        QTest::qWait(1000);
        QCOMPARE(m_probe->versions->size(), 1);
        QCOMPARE(m_probe->failures->size(), 1);
        QCOMPARE(m_replica.hits(), 2);
        // The language was confirmed on both pages, within the bound.
        QVERIFY(m_replica.count(QStringLiteral("links")) >= 2);
        QVERIFY(m_replica.count(QStringLiteral("links")) <= MostLinkRequestsOfAChoice);
    }

    // The search reloads the page and confirms the language there, all in
    // the one request: the reloaded page's editions are no new edition list.
    void linksThatComeOnlyAfterAReload()
    {
        // The first round's selection and both presses of the button.
        send(QStringLiteral("nolinks 3"));
        QVERIFY(reachLanguages(QStringLiteral("win10")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, 3 * StepTimeoutMs);
        QVERIFY(m_probe->errors->isEmpty());
        QCOMPARE(m_probe->lastLinks().size(), 2);
        QCOMPARE(m_probe->versions->size(), 1);
        QCOMPARE(m_probe->languages->size(), 1);
        QCOMPARE(m_probe->scraper->state(), ScraperState::Idle);
        QTest::qWait(1000);
        QCOMPARE(m_probe->links->size(), 1);
        QCOMPARE(m_replica.hits(), 2);
        QVERIFY(m_replica.count(QStringLiteral("links")) <= MostLinkRequestsOfAChoice);
    }

    void formThatIsNeverSubmittedReloadsAfterTwentyPolls()
    {
        send(QStringLiteral("form on"));
        send(QStringLiteral("nolinks 1000"));
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->errors->size(), 1, 3 * StepTimeoutMs);
        QCOMPARE(m_probe->errorList(), QStringList{NoLinksAfterAttempts});
        QCOMPARE(m_replica.hits(), 2);
        // A form's button is left to the page: the scraper presses none (each
        // press would be a request), and at most the page's own confirmation,
        // late as a hidden page's timers run, came before the reload.
        QVERIFY(m_replica.count(QStringLiteral("links")) <= 1);
        // Twenty polls before the reload.
        QVERIFY(m_probe->enteredAt(ScraperState::SubmittingSelection, 1)
                    - m_probe->enteredAt(ScraperState::ExtractingLinks)
                >= 19 * shrunkTimings().pollIntervalMs);
    }

    void pageThatMovesOnIsReadWhereItWent()
    {
        // Polls far enough apart for the page to confirm the language, late
        // as a hidden page's timers run, and move on before the scraper gives up.
        ScraperTimings timings = shrunkTimings();
        timings.pollIntervalMs = 600;
        m_probe->scraper->setTimings(timings);
        send(QStringLiteral("container none"));
        send(QStringLiteral("aftersubmit moved"));
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, StepTimeoutMs);
        QVERIFY(m_probe->lastLinks().first().url.contains(QLatin1String(".iso")));
        // Links never show on the first page here: they were read where it
        // went, and that page having no editions failed nothing.
        QVERIFY(m_probe->errors->isEmpty());
        QCOMPARE(m_probe->scraper->state(), ScraperState::Idle);
        const QStringList requests = m_replica.pageRequests();
        QCOMPARE(requests.size(), 2);
        QVERIFY2(requests.last().contains(QLatin1String("/software-download/thankyou?")), qPrintable(requests.last()));
    }

    // A page that reloads itself on its own while the edition is chosen:
    // the fresh page gets the edition again, and then the links come.
    void pageThatReloadsItselfWhileTheEditionIsChosen_data()
    {
        QTest::addColumn<QString>("selfnav");
        QTest::newRow("soon after loading") << "selfnav 100";
        QTest::newRow("while the edition waits") << "selfnav 800";
    }
    void pageThatReloadsItselfWhileTheEditionIsChosen()
    {
        QFETCH(QString, selfnav);
        send(selfnav);
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        QCOMPARE(m_probe->lastLanguages().size(), 38);
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, StepTimeoutMs);
        QVERIFY(m_probe->errors->isEmpty());
        QCOMPARE(m_probe->versions->size(), 1);
        QCOMPARE(m_replica.hits(), 2);
    }

    // The page may reload itself before or after a poll saw its links: the
    // links are read where they are, never from the fresh page.
    void pageThatReloadsItselfAfterSubmission_data()
    {
        QTest::addColumn<int>("linkExtractionDelayMs");
        QTest::newRow("read before the reload") << shrunkTimings().linkExtractionDelayMs;
        QTest::newRow("seen before, read after the reload") << 1500;
    }
    void pageThatReloadsItselfAfterSubmission()
    {
        QFETCH(int, linkExtractionDelayMs);
        ScraperTimings timings = shrunkTimings();
        timings.linkExtractionDelayMs = linkExtractionDelayMs;
        m_probe->scraper->setTimings(timings);
        send(QStringLiteral("aftersubmit reload"));
        QVERIFY(reachLanguages(QStringLiteral("win11arm")));
        m_probe->scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, StepTimeoutMs);
        // The page has reloaded itself, and that spoils nothing.
        QTRY_COMPARE_WITH_TIMEOUT(m_replica.hits(), 2, StepTimeoutMs);
        QCOMPARE(m_probe->lastLinks().first().architecture, QStringLiteral("arm64"));
        QVERIFY(m_probe->errors->isEmpty());
    }

    // The page is told the chosen row's own id: awkward names, and names
    // that contain one another, each get their own file.
    void languagesSelectTheirOwnRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("idForm");
        QTest::newRow("quote") << "O'Brien English"
                               << "Hostile1"
                               << "json";
        QTest::newRow("backslash") << "Back\\slash English"
                                   << "Hostile2"
                                   << "json";
        QTest::newRow("line break") << "Line\nBreak English"
                                    << "Hostile3"
                                    << "json";
        QTest::newRow("script end") << "</script><script>window.quibQtPwned=1</script> English"
                                    << "Hostile4"
                                    << "json";
        QTest::newRow("double quote") << "Quote \" English"
                                      << "Hostile5"
                                      << "json";
        QTest::newRow("Portuguese, not Brazilian") << "Portuguese"
                                                   << "_Portuguese_"
                                                   << "json";
        QTest::newRow("French Canadian, not French") << "French Canadian"
                                                     << "_FrenchCanadian_"
                                                     << "json";
        QTest::newRow("Spanish (Mexico), bare ids") << "Spanish (Mexico)"
                                                    << "_Spanish_Mexico_"
                                                    << "bare";
    }
    void languagesSelectTheirOwnRow()
    {
        QFETCH(QString, name);
        QFETCH(QString, marker);
        QFETCH(QString, idForm);
        send(QStringLiteral("hostile on"));
        if (idForm == QLatin1String("bare"))
            send(QStringLiteral("bareids on"));
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        QString shown = name;
        shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
        bool offered = false;
        for (const LanguageInfo &language : m_probe->lastLanguages())
            offered = offered || language.name.simplified() == shown.simplified();
        QVERIFY(offered);
        m_probe->scraper->selectLanguage(name);
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->links->size(), 1, StepTimeoutMs);
        QVERIFY2(m_probe->lastLinks().first().url.contains(marker), qPrintable(m_probe->lastLinks().first().url));
        QCOMPARE(m_probe->lastLinks().first().language, name);
        QCOMPARE(inPage(QStringLiteral("window.quibQtPwned === undefined")).toBool(), true);
    }

    // What the page does is checked against what was asked: a name the
    // list lacks, or links for another language, end the request.
    void wrongLanguageEndsTheRequest_data()
    {
        QTest::addColumn<QString>("linkLanguage");
        QTest::addColumn<QString>("name");
        QTest::addColumn<FailureKind>("kind");
        QTest::addColumn<int>("linkRequests");
        QTest::newRow("links of another language") << "Brazilian%20Portuguese"
                                                   << "Portuguese" << FailureKind::LanguageMismatch << 1;
        QTest::newRow("a name the list lacks") << "off"
                                               << "Portugiesisch" << FailureKind::LanguageNotOffered << 0;
    }
    void wrongLanguageEndsTheRequest()
    {
        QFETCH(QString, linkLanguage);
        QFETCH(QString, name);
        QFETCH(FailureKind, kind);
        QFETCH(int, linkRequests);
        send(QStringLiteral("linklanguage ") + linkLanguage);
        QVERIFY(reachLanguages(QStringLiteral("win11")));
        m_probe->scraper->selectLanguage(name);
        QTRY_COMPARE_WITH_TIMEOUT(m_probe->failures->size(), 1, StepTimeoutMs);
        QCOMPARE(m_probe->lastFailure().kind, kind);
        QCOMPARE(m_probe->lastFailure().wantedLanguage, name);
        QCOMPARE(m_probe->scraper->state(), ScraperState::Idle);
        QTest::qWait(500);
        QCOMPARE(m_probe->links->size(), 0);
        QCOMPARE(m_replica.count(QStringLiteral("links")), linkRequests);
    }

    // An answer no script of ours gives ends the request at once, and a
    // request that hangs ends at its deadline: never silence.
    void noRequestWaitsForever_data()
    {
        QTest::addColumn<QString>("spoiled"); // the member of the answer that is spoiled
        QTest::addColumn<QString>("answer"); // what the page answers instead; empty: the first half
        QTest::addColumn<QString>("hang");
        QTest::addColumn<FailureKind>("kind");
        QTest::newRow("edition list") << "versions"
                                      << ""
                                      << "" << FailureKind::PageError;
        QTest::newRow("no editions") << "versions"
                                     << "{\"versions\":[]}"
                                     << "" << FailureKind::NoEditions;
        QTest::newRow("language list") << "languages"
                                       << ""
                                       << "" << FailureKind::PageError;
        QTest::newRow("link list") << "links"
                                   << ""
                                   << "" << FailureKind::PageError;
        QTest::newRow("page never answers") << ""
                                            << ""
                                            << "hang 5" << FailureKind::Timeout;
    }
    void noRequestWaitsForever()
    {
        QFETCH(QString, spoiled);
        QFETCH(QString, answer);
        QFETCH(QString, hang);
        QFETCH(FailureKind, kind);
        ScraperTimings timings = shrunkTimings();
        timings.requestDeadlineMs = 3000;
        m_probe->scraper->setTimings(timings);
        const QString member = QStringLiteral("\"%1\":").arg(spoiled);
        m_probe->scraper->setAnswerFilter([member, answer](const QString &given) {
            if (!given.contains(member))
                return given;
            return answer.isEmpty() ? given.left(given.size() / 2) : answer;
        });
        if (!hang.isEmpty())
            send(hang);
        // The command line's page work, from the page to the link.
        PageChoice choice(m_probe->scraper.get(), Choices{QStringLiteral("win11"), {}, {}, {}},
                          QStringLiteral("en-US"));
        QSignalSpy ended(&choice, &PageChoice::failed);
        choice.start(false);
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, StepTimeoutMs);
        QCOMPARE(ended.first().at(0).toInt(), ExitCode::Failed);
        if (kind == FailureKind::Timeout)
            QVERIFY(
                ended.first().at(1).toString().startsWith(QLatin1String("The download page did not answer in time")));
        QCOMPARE(m_probe->lastFailure().kind, kind);
        QCOMPARE(m_probe->scraper->state(), ScraperState::Idle);
        QTest::qWait(1000);
        QCOMPARE(m_probe->failures->size(), 1);
        QCOMPARE(m_probe->errors->size(), 1);
    }

private:
    // What `script` gives in the page's own world, where the page's scripts
    // run. The answer may come after the wait has given up on it.
    static QVariant inPage(const QString &script)
    {
        const auto answer = std::make_shared<std::optional<QVariant>>();
        scraperView()->page()->runJavaScript(script, [answer](const QVariant &value) { *answer = value; });
        if (!QTest::qWaitFor([&answer] { return answer->has_value(); }, StepTimeoutMs))
            return QStringLiteral("(no answer)");
        return **answer;
    }

    void send(const QString &command)
    {
        const QString answer = m_replica.command(command);
        QVERIFY2(answer == QLatin1String("OK ") + command, qPrintable(answer));
    }

    // `visit` counts the page visits of this test, the first being 1.
    bool loadPage(const QString &productKey, int visit = 1)
    {
        m_probe->scraper->loadProductPage(productKey);
        return QTest::qWaitFor([this, visit] { return m_probe->versions->size() == visit; }, StepTimeoutMs);
    }

    bool reachLanguages(const QString &productKey, int visit = 1)
    {
        if (!loadPage(productKey, visit))
            return false;
        m_probe->scraper->selectVersion(m_probe->lastVersions().first().id);
        return QTest::qWaitFor([this, visit] { return m_probe->languages->size() == visit; }, StepTimeoutMs);
    }

    ReplicaServer m_replica;
    std::unique_ptr<ScraperProbe> m_probe;
};

TRAVONIX_WEB_TEST_MAIN(TestPageScenarios)
#include "test_pagescenarios.moc"
