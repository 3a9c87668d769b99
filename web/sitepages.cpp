#include "web/sitepages.h"

#include "web/siteconfig.h"

#include <QUrl>

namespace palmora {

namespace {
constexpr char kScriptPath[] = "/palmora-free/ssd.php";
constexpr char kProductFolder[] = "/palmora-free/";
} // namespace

QString site_base_address()
{
    return QString::fromLatin1(siteconfig::kSiteBaseAddress);
}

QString site_host_name()
{
    return QUrl(site_base_address()).host();
}

QString site_domain_name()
{
    QString host = site_host_name();
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    return host;
}

QString page_address(const QString &key)
{
    return site_base_address() + QLatin1String(kScriptPath) + QLatin1String("?page=") + key;
}

QString product_folder_address()
{
    return site_base_address() + QLatin1String(kProductFolder);
}

} // namespace palmora
