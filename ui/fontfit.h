#pragma once

#include <QFont>
#include <QString>

class QAbstractButton;
class QLabel;

namespace palmora {

// The font, made smaller a quarter point at a time down to 7 points at the
// least, in which `text` fits `width` pixels: the largest such size, or 7
// points when none fits, or the font as it is when the text fits already.
// The size is worked out from the text's width at once and then checked a step
// either way, rather than found by loading every size down to it.
QFont fontToFit(const QFont &font, const QString &text, int width);

// The button's text set smaller that way when it is wider than the room the
// button leaves it beside its frame, or beside its check box or radio mark: a
// translation longer than the English it was placed for.
void fitButtonText(QAbstractButton &button);

// A wrapped label's text set smaller that way when its lines need more room
// down than the label has: a font wider than the one it was placed for, or a
// longer translation.
void fitLabelText(QLabel &label);

} // namespace palmora
