// Takes the page through the command line's choices: the product's page,
// the edition, the language, then the link of the architecture.
#pragma once

#include "Options.h"
#include "Output.h"
#include "scraper/ScraperTypes.h"

#include <QObject>

class QuibScraper;

class PageChoice final : public QObject {
    Q_OBJECT
public:
    // `choices.product` is a key of the product table.
    PageChoice(QuibScraper *scraper, Choices choices, QString localeName, QObject *parent = nullptr);

    // With `untilLanguages`, stops once the chosen edition's languages are read.
    void start(bool untilLanguages);
    // The same choices once more, for a fresh link.
    void askAgain();

    const PageLists &lists() const { return m_lists; }
    ProductVersion edition() const;
    // What the page's failure was (failureKindName), once the page failed.
    QString failureKind() const { return m_failureKind; }

Q_SIGNALS:
    void languagesRead();
    void linkChosen(DownloadOption option);
    void failed(int exitCode, QString message);

private:
    void onEditions(const QList<ProductVersion> &editions);
    void onLanguages(const QList<LanguageInfo> &languages);
    void onLinks(const QList<DownloadOption> &options);
    void onPageError(const ScraperFailure &failure);
    void selectLanguage();
    void fail(int exitCode, const QString &message);

    QuibScraper *m_scraper;
    Choices m_choices;
    QString m_localeName;
    PageLists m_lists;
    QString m_languageName;
    bool m_untilLanguages = false;
    bool m_done = false;
    QString m_failureKind;
};
