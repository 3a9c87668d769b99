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
QString site_base_address();
// The host part of site_base_address(), e.g. "www.example.org".
QString site_host_name();
// The host without a leading "www.", e.g. "example.org".
QString site_domain_name();
// site_base_address() + "/palmora-free/ssd.php?page=" + key.
QString page_address(const QString &key);
// site_base_address() + "/palmora-free/", sent along with a friend referral.
QString product_folder_address();

} // namespace palmora
