#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace palmora {

// Fusion, with the captions of the section frames in Verdana 9 pt bold, maroon,
// and a focus rectangle on a push button that has the keyboard focus: Fusion
// marks such a button only by the outline it also gives the default button, so
// the default button looked the same with the focus and without. Focus rings
// are dotted, black or white to stand out from what is behind them, and text
// boxes get one while they have the focus.
// A style does this far more cheaply than style sheets, which would re-polish
// every control inside the frames at start-up. Pictures Fusion reads from its
// files by name (group-box frames, menu overflow arrows) are read without
// asking every image plugin, which would load each of them on the first paint.
class PalmoraStyle : public QProxyStyle {
    Q_OBJECT
public:
    PalmoraStyle();

    // Marks a group box whose caption takes the section look: Verdana 9 pt
    // bold, maroon. Only the caption takes it; the controls inside keep their
    // own fonts.
    static void markSectionFrame(QWidget *frame);
    // Draws the focus ring of a widget that paints itself, round `rect` (the
    // whole widget when empty), standing out from `background` (the widget's
    // own when none is given).
    static void paintFocus(const QWidget *widget, QPainter &painter, const QRect &rect = {},
                           const QColor &background = {});

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    static bool isSectionFrame(const QWidget *widget);
    static QFont captionFont();
    // A dotted ring around option->rect, in black or white, whichever stands
    // out from the background.
    static void drawFocusRing(const QStyleOption *option, QPainter *painter);

    // Fusion's group-box frame, read when first drawn.
    mutable QPixmap m_groupBoxFrame;
};

} // namespace palmora
