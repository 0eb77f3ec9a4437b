// One request for a range of the file on one connection: its libcurl easy
// handle, the answer's headers and what they allow, and whether it waits
// for the disk. It writes only the bytes asked for, to where they belong,
// and ends with one result; what the result means for the download is
// decided by whoever runs it.
#pragma once

#include "ByteRanges.h"
#include "EngineSettings.h"
#include "PartFileWriter.h"
#include "TransferAnswer.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#include <functional>
#include <optional>

struct TransferRequest {
    QString url;
    ByteRange range; // `to` of -1: up to the file's end
    bool sendRange = true; // false: a plain request, the whole file from byte 0
    QString ifRange;
    QStringList schemes; // the schemes the link and its redirects may use
};

struct TransferEnd {
    AnswerKind answer = AnswerKind::Pending;
    long status = 0;
    CURLcode curlCode = CURLE_OK;
    qint64 bytes = 0; // of the file, written
    bool reachedEnd = false; // every byte asked for arrived
    bool dismissed = false; // its bytes no longer count
    qint64 fileTotal = 0; // the file's length, if the answer said it
    bool emptyFile = false; // the answer says the file has no bytes
    bool otherFile = false; // refused: a range of another file than the part's
    bool tooLong = false; // more bytes came than the file holds
};

class RangeTransfer final {
public:
    // The owner's say on an answer, asked once its first byte arrives:
    // false stops the transfer at once.
    using AnswerCheck = std::function<bool(RangeTransfer &)>;
    // Where the transfer must stop now (it may shrink while it runs).
    using Limit = std::function<qint64()>;
    // Asked before bytes are taken: true lets the rest of the event loop
    // run first, and the owner resumes the transfer on its next turn.
    using StepAside = std::function<bool()>;

    RangeTransfer(const TransferRequest &request, const EngineSettings &settings, PartFileWriter &writer,
                  AnswerCheck check, Limit limit, StepAside stepAside);
    ~RangeTransfer();
    RangeTransfer(const RangeTransfer &) = delete;
    RangeTransfer &operator=(const RangeTransfer &) = delete;

    CURL *handle() const { return m_easy; }
    AnswerKind answer() const { return m_answer; }
    long status() const;
    QString etag() const { return m_etag; }
    QString lastModified() const { return m_lastModified; }
    // Where the next byte goes, and how many of the file came.
    qint64 position() const { return m_stream.offset + qint64(m_stream.filling.size()); }
    qint64 bytes() const { return m_bytes; }
    // The file's whole length, once an answer says it.
    qint64 fileTotal() const { return m_total; }
    // The writer has room again, or the event loop has had its turn. The
    // bytes libcurl held come at once; an error when they are refused (the
    // range was cut short, the disk failed): libcurl then no longer runs the
    // transfer, and the owner ends it.
    CURLcode resume();
    // Waits for the writer.
    bool isPaused() const { return m_paused; }
    // Stops the transfer from the next byte on; what it gathered and did
    // not hand over yet is dropped.
    void dismiss() { m_stopped = m_dismissed = true; }
    // The answer is for another file than the part's: its bytes are refused.
    void refuseAsOtherFile() { m_otherFile = true; }
    bool isDismissed() const { return m_dismissed; }
    bool reachedEnd() const;
    // What is gathered so far goes to the writer.
    void handOver();
    // The result, once libcurl has ended the transfer with `curlCode`.
    TransferEnd finish(CURLcode curlCode);

private:
    void configure(const EngineSettings &settings);
    void judge();
    bool mayGoTo(const QUrl &target) const;
    bool followsRedirect();
    size_t take(const char *data, size_t size);
    static size_t onBody(char *data, size_t size, size_t count, void *transfer);
    static size_t onHeader(char *data, size_t size, size_t count, void *transfer);

    TransferRequest m_request;
    PartFileWriter &m_writer;
    AnswerCheck m_check;
    Limit m_limit;
    StepAside m_stepAside;
    CURL *m_easy = nullptr;
    curl_slist *m_headers = nullptr;
    QByteArray m_url;
    QByteArray m_rangeText;
    QByteArray m_userAgent;
    QByteArray m_caBundle;
    QByteArray m_dns;
    QByteArray m_schemes;
    std::function<bool(const QUrl &)> m_redirectAllowed;
    qint64 m_unannouncedLimit = 0;
    QByteArray m_location;
    long m_redirectStatus = 0;
    bool m_redirectRefused = false;
    bool m_tooLong = false;
    std::optional<ContentRange> m_contentRange;
    QString m_etag;
    QString m_lastModified;
    AnswerKind m_answer = AnswerKind::Pending;
    PartFileWriter::Stream m_stream;
    qint64 m_bytes = 0;
    qint64 m_total = 0;
    bool m_paused = false;
    bool m_steppedAside = false;
    bool m_stopped = false;
    bool m_dismissed = false;
    bool m_otherFile = false;
    bool m_emptyFile = false;
};
