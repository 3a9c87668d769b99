#include "urlrecorder.h"

#include <QDesktopServices>

namespace palmora::testing {

UrlRecorder::UrlRecorder()
{
    // setUrlHandler only takes a method name.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
}

UrlRecorder::~UrlRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

QStringList UrlRecorder::addresses() const
{
    QStringList result;
    for (const QUrl &url : m_urls)
        result.append(url.toString(QUrl::FullyEncoded));
    return result;
}

} // namespace palmora::testing
