#include "web/sitepages.h"

#include "common/buildinfo.h"

#include <QUrl>

namespace palmora {

namespace {
constexpr char kScriptPath[] = "/palmora-free/ssd.php";
constexpr char kProductFolder[] = "/palmora-free/";
} // namespace

QString siteBaseAddress()
{
    return QStringLiteral(PALMORA_SITE_BASE_ADDRESS);
}

QString siteHostName()
{
    return QUrl(siteBaseAddress()).host();
}

QString siteDomainName()
{
    QString host = siteHostName();
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    return host;
}

QString pageAddress(const QString &key)
{
    return siteBaseAddress() + QLatin1String(kScriptPath) + QLatin1String("?page=") + key;
}

QString productFolderAddress()
{
    return siteBaseAddress() + QLatin1String(kProductFolder);
}

} // namespace palmora
