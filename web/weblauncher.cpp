#include "web/weblauncher.h"

#include "web/sitepages.h"

#include <QDesktopServices>
#include <QUrl>

namespace palmora {

void open_web_page(const QString &address)
{
    // TolerantMode keeps percent-encoded parts exactly as they were built.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void open_site_page(const QString &key)
{
    open_web_page(page_address(key));
}

} // namespace palmora
