#pragma once

#include <QString>

namespace palmora {

// Hands an address to the desktop's default handler and returns at once.
// Whether a browser opened is neither known nor reported.
void open_web_page(const QString &address);

// open_web_page() of the site page for the given key.
void open_site_page(const QString &key);

} // namespace palmora
