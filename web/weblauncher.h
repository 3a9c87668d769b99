#pragma once

#include <QString>

namespace palmora {

// Hands an address to the desktop's default handler and returns at once.
// Whether a browser opened is neither known nor reported.
void openWebPage(const QString &address);

// openWebPage() of the site page for the given key.
void openSitePage(const QString &key);

} // namespace palmora
