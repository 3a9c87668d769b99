#include "web/weblauncher.h"

#include "web/sitepages.h"

#include <QDesktopServices>
#include <QUrl>

namespace palmora {

void openWebPage(const QString &address)
{
    // TolerantMode keeps percent-encoded parts exactly as they were built.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void openSitePage(const QString &key)
{
    openWebPage(pageAddress(key));
}

} // namespace palmora
