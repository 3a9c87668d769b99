#pragma once

#include <QFont>
#include <QString>

namespace palmora {

// The font, made smaller a quarter point at a time down to 7 points at the
// least, in which `text` fits `width` pixels: the largest such size, or 7
// points when none fits, or the font as it is when the text fits already.
// The size is worked out from the text's width at once and then checked a step
// either way, rather than found by loading every size down to it.
QFont fontToFit(const QFont &font, const QString &text, int width);

} // namespace palmora
