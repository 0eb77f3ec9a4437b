// Collects the scraper's diagnostic lines while a test runs, so a test can
// tell which way through the page flow the scraper went.
#pragma once

#include <QLoggingCategory>
#include <QMutex>
#include <QRegularExpression>
#include <QStringList>

class LogCapture final {
public:
    LogCapture()
    {
        s_current = this;
        m_previous = qInstallMessageHandler(&LogCapture::collect);
        s_previousFilter = QLoggingCategory::installFilter(&LogCapture::enableDefaultDebug);
    }
    ~LogCapture()
    {
        QLoggingCategory::installFilter(s_previousFilter);
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    int count(const QString &start) const
    {
        QMutexLocker lock(&m_mutex);
        int found = 0;
        for (const QString &line : m_lines)
            found += line.startsWith(start);
        return found;
    }
    bool contains(const QString &start) const { return count(start) > 0; }
    QStringList lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }

private:
    // The scraper's debug lines are off by default; they are switched on
    // while a capture runs.
    static void enableDefaultDebug(QLoggingCategory *category)
    {
        if (s_previousFilter)
            s_previousFilter(category);
        if (qstrcmp(category->categoryName(), "travonix.scraper") == 0)
            category->setEnabled(QtDebugMsg, true);
    }

    static void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type != QtDebugMsg || !s_current || !message.startsWith(QLatin1String("QuibScraper:")))
            return;
        QMutexLocker lock(&s_current->m_mutex);
        s_current->m_lines << message;
    }

    static inline LogCapture *s_current = nullptr;
    static inline QLoggingCategory::CategoryFilter s_previousFilter = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_lines;
};
