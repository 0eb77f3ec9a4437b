#include "CurlMultiDriver.h"

#include <QSocketNotifier>

CurlMultiDriver::CurlMultiDriver(QObject *parent)
    : QObject(parent)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

CurlMultiDriver::~CurlMultiDriver()
{
    release();
}

bool CurlMultiDriver::add(CURL *easy)
{
    if (!m_multi) {
        m_multi = curl_multi_init();
        if (!m_multi)
            return false;
        curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlMultiDriver::onSocket);
        curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
        curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlMultiDriver::onTimer);
        curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    }
    return curl_multi_add_handle(m_multi, easy) == CURLM_OK;
}

void CurlMultiDriver::remove(CURL *easy)
{
    if (m_multi && easy)
        curl_multi_remove_handle(m_multi, easy);
}

void CurlMultiDriver::release()
{
    m_timeout.stop();
    if (!m_multi)
        return;
    curl_multi_cleanup(m_multi);
    m_multi = nullptr;
    const auto sockets = m_watches.keys();
    for (const curl_socket_t socket : sockets)
        unwatch(socket);
}

std::vector<std::pair<CURL *, CURLcode>> CurlMultiDriver::takeFinished()
{
    std::vector<std::pair<CURL *, CURLcode>> finished;
    int left = 0;
    while (m_multi) {
        CURLMsg *message = curl_multi_info_read(m_multi, &left);
        if (!message)
            break;
        if (message->msg == CURLMSG_DONE)
            finished.emplace_back(message->easy_handle, message->data.result);
    }
    return finished;
}

qint64 CurlMultiDriver::turnNanoseconds() const
{
    return m_turn.isValid() ? m_turn.nsecsElapsed() : -1;
}

int CurlMultiDriver::onSocket(CURL *, curl_socket_t socket, int what, void *driver, void *)
{
    auto *self = static_cast<CurlMultiDriver *>(driver);
    if (what == CURL_POLL_REMOVE)
        self->unwatch(socket);
    else
        self->watch(socket, what);
    return 0;
}

int CurlMultiDriver::onTimer(CURLM *, long timeoutMs, void *driver)
{
    auto *self = static_cast<CurlMultiDriver *>(driver);
    // libcurl must not be called back from here; a zero timeout runs next.
    if (timeoutMs < 0)
        self->m_timeout.stop();
    else
        self->m_timeout.start(int(qMin<long>(timeoutMs, 24L * 3600 * 1000)));
    return 0;
}

void CurlMultiDriver::watch(curl_socket_t socket, int what)
{
    Watch &watch = m_watches[socket];
    const auto notifier = [this, socket](QSocketNotifier::Type type, int events) {
        auto *created = new QSocketNotifier(qintptr(socket), type, this);
        connect(created, &QSocketNotifier::activated, this, [this, socket, events] { act(socket, events); });
        return created;
    };
    if (!watch.read)
        watch.read = notifier(QSocketNotifier::Read, CURL_CSELECT_IN);
    if (!watch.write)
        watch.write = notifier(QSocketNotifier::Write, CURL_CSELECT_OUT);
    watch.read->setEnabled(what == CURL_POLL_IN || what == CURL_POLL_INOUT);
    watch.write->setEnabled(what == CURL_POLL_OUT || what == CURL_POLL_INOUT);
}

void CurlMultiDriver::unwatch(curl_socket_t socket)
{
    const Watch watch = m_watches.take(socket);
    // The notifier may be the one whose signal is running right now.
    for (QSocketNotifier *notifier : {watch.read, watch.write}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
}

void CurlMultiDriver::act(curl_socket_t socket, int events)
{
    if (!m_multi)
        return;
    int running = 0;
    m_turn.start();
    ++m_turnSerial;
    const CURLMcode code = curl_multi_socket_action(m_multi, socket, events, &running);
    m_turn.invalidate();
    if (code != CURLM_OK)
        Q_EMIT failed(QString::fromUtf8(curl_multi_strerror(code)));
    else
        Q_EMIT worked();
}
