#include "WimFile.h"

#include <QFile>

#include <mutex>
#include <wimlib.h>

namespace {

void initializeWimlib()
{
    static std::once_flag once;
    // Names in a WIM are UTF-16; on this side they are UTF-8, whatever the locale.
    std::call_once(once, [] { wimlib_global_init(WIMLIB_INIT_FLAG_ASSUME_UTF8); });
}

double fractionOf(std::uint64_t completed, std::uint64_t total)
{
    return total == 0 ? 0.0 : static_cast<double>(completed) / static_cast<double>(total);
}

enum wimlib_progress_status onProgress(enum wimlib_progress_msg message, union wimlib_progress_info *info,
                                       void *context)
{
    const auto *progress = static_cast<const WimProgress *>(context);
    if (progress->cancelled && progress->cancelled->load())
        return WIMLIB_PROGRESS_STATUS_ABORT;
    if (!progress->done)
        return WIMLIB_PROGRESS_STATUS_CONTINUE;
    if (message == WIMLIB_PROGRESS_MSG_EXTRACT_STREAMS)
        progress->done(fractionOf(info->extract.completed_bytes, info->extract.total_bytes));
    else if (message == WIMLIB_PROGRESS_MSG_WRITE_STREAMS)
        progress->done(fractionOf(info->write_streams.completed_bytes, info->write_streams.total_bytes));
    return WIMLIB_PROGRESS_STATUS_CONTINUE;
}

} // namespace

WimFile WimFile::open(const QString &path, int *error)
{
    initializeWimlib();
    WIMStruct *wim = nullptr;
    *error = wimlib_open_wim(QFile::encodeName(path).constData(), 0, &wim);
    return adopt(*error == 0 ? wim : nullptr);
}

WimFile WimFile::create(int compressionType, int *error)
{
    initializeWimlib();
    WIMStruct *wim = nullptr;
    *error = wimlib_create_new_wim(static_cast<enum wimlib_compression_type>(compressionType), &wim);
    return adopt(*error == 0 ? wim : nullptr);
}

WimFile WimFile::adopt(WIMStruct *wim)
{
    WimFile file;
    file.m_wim.reset(wim);
    return file;
}

void WimFile::watch(WimProgress *progress) const
{
    wimlib_register_progress_function(m_wim.get(), onProgress, progress);
}

void WimFile::Free::operator()(WIMStruct *wim) const
{
    wimlib_free(wim);
}

QString wimErrorText(int error)
{
    return QString::fromUtf8(wimlib_get_error_string(static_cast<enum wimlib_error_code>(error)));
}
