#pragma once

#include <QString>

namespace palmora {

// Removes the space characters at the start and the end of a text, and only
// those: tabs and line breaks at either end stay. Goal notes are saved and
// referral fields are read this way.
QString trimSpaces(const QString &text);

} // namespace palmora
