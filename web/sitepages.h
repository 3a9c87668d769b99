#pragma once

#include <QString>

// Addresses of the maker's web pages. Every link of the program goes through here.
namespace palmora {

namespace PageKey {
inline constexpr char HomePage[] = "home-page";
inline constexpr char HelpWebPage[] = "help-web-page";
inline constexpr char DownloadWebPage[] = "download-web-page";
inline constexpr char Donate[] = "donate";
inline constexpr char FullyBranded[] = "fully-branded";
inline constexpr char VesperSoftwares[] = "vespersoftwares";
inline constexpr char ReferAFriend[] = "pxvs-refer-a-friend";
} // namespace PageKey

// Scheme and host of the site, no trailing slash; fixed when the program is built.
QString siteBaseAddress();
// The host part of siteBaseAddress(), e.g. "www.example.org".
QString siteHostName();
// The host without a leading "www.", e.g. "example.org".
QString siteDomainName();
// siteBaseAddress() + "/palmora-free/ssd.php?page=" + key.
QString pageAddress(const QString &key);
// siteBaseAddress() + "/palmora-free/", sent along with a friend referral.
QString productFolderAddress();

} // namespace palmora
