#pragma once

#include <QStringList>

namespace palmora {

// Verdana, the program's typeface, then the close humanist sans families of
// similar width that stand in where it is not installed, best first.
inline QStringList verdanaFamilies()
{
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")};
}

} // namespace palmora
