#pragma once

#include <QColor>

class QApplication;
class QWidget;

// Palmora's own fixed, light look: the same colours on every desktop, so a dark
// desktop theme never puts light system text on the program's light backgrounds.
namespace palmora::Theme {

inline constexpr QColor kWindowBlue {108, 177, 253};
inline constexpr QColor kMaroon {128, 0, 0};
inline constexpr QColor kNavy {0, 0, 128};
inline constexpr QColor kPurple {128, 0, 128};
inline constexpr QColor kYellow {255, 255, 0};
inline constexpr QColor kLinkBlue {0, 0, 255};
inline constexpr QColor kPlum {64, 0, 64};
inline constexpr QColor kLightCyan {192, 255, 255};

// Fusion style, a fixed light palette, Verdana (or DejaVu Sans where Verdana is
// missing) at 8.25 pt as the default font, which every form's text takes.
void apply(QApplication &app);

// Text colour of a widget; with a background colour the widget also fills it.
void setColors(QWidget *widget, const QColor &text, const QColor &background = QColor());
// Point size with a fraction (Designer files only hold whole points).
void setPointSize(QWidget *widget, qreal points);

} // namespace palmora::Theme
