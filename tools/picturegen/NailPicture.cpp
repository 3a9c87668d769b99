#include "NailPicture.h"

#include "Canvas.h"
#include "FingerShape.h"
#include "Style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<NailShape, 4> Shapes {NailShape::ShortWide, NailShape::BroadSquare,
                                           NailShape::LongNarrow, NailShape::Almond};

// Nail with a curved cuticle: the free edge is at the top, the base is the
// downward-bulging arc.
QPainterPath roundedNail(double width, double height, double top, double cornerTop)
{
    const double half = 0.5 * width;
    const double bottom = top + height;
    const double cuticleSag = 0.22 * width;
    QPainterPath path;
    path.moveTo(-half, bottom - cuticleSag);
    path.lineTo(-half, top + cornerTop);
    path.quadTo(-half, top, -half + cornerTop, top);
    path.lineTo(half - cornerTop, top);
    path.quadTo(half, top, half, top + cornerTop);
    path.lineTo(half, bottom - cuticleSag);
    path.cubicTo(half, bottom - 0.2 * cuticleSag, 0.5 * half, bottom, 0.0, bottom);
    path.cubicTo(-0.5 * half, bottom, -half, bottom - 0.2 * cuticleSag, -half, bottom - cuticleSag);
    path.closeSubpath();
    return path;
}

QPainterPath almondNail(double width, double height, double top)
{
    const double half = 0.5 * width;
    const double bottom = top + height;
    const double widest = top + 0.58 * height;
    QPainterPath path;
    path.moveTo(0.0, top);
    path.cubicTo(0.42 * half, top, half, top + 0.28 * height, half, widest);
    path.cubicTo(half, top + 0.86 * height, 0.55 * half, bottom, 0.0, bottom);
    path.cubicTo(-0.55 * half, bottom, -half, top + 0.86 * height, -half, widest);
    path.cubicTo(-half, top + 0.28 * height, -0.42 * half, top, 0.0, top);
    path.closeSubpath();
    return path;
}

void paintFingertip(QPainter &painter, NailShape shape, double halfWidth, double length)
{
    // Nail side of the finger: no palm creases, just the knuckle wrinkles.
    FingerProfile profile;
    profile.tip = TipShape::Rounded;
    profile.baseHalfWidth = halfWidth;
    profile.length = length;
    const FingerShape finger(profile);
    const QPainterPath outline = finger.outline();

    painter.save();
    painter.translate(0.0, length);
    Canvas::drawSkinShape(painter, outline);

    painter.setPen(QPen(Style::color(Style::Crease), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const double joint : finger.jointFractions()) {
        const double y = -joint * length;
        const double half = 0.35 * finger.halfWidthAt(joint * length);
        for (int k = -1; k <= 1; ++k) {
            const double dy = 2.2 * k;
            painter.drawArc(QRectF(-half, y + dy - 1.6, 2.0 * half, 3.2), 200 * 16, 140 * 16);
        }
    }
    painter.restore();

    painter.setPen(QPen(Style::color(Style::Accent), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Style::color(Style::AccentTint));
    painter.drawPath(NailPicture::nailPath(shape, halfWidth));
}

} // namespace

NailPicture::NailPicture(Layout layout)
    : m_layout(layout)
{
}

QString NailPicture::label(NailShape shape)
{
    switch (shape) {
    case NailShape::ShortWide:
        return QStringLiteral("Short and Wide");
    case NailShape::BroadSquare:
        return QStringLiteral("Broad and Square");
    case NailShape::LongNarrow:
        return QStringLiteral("Long and Narrow");
    case NailShape::Almond:
        return QStringLiteral("Almond-Shaped");
    }
    return {};
}

QPainterPath NailPicture::nailPath(NailShape shape, double w)
{
    const double top = 0.28 * w;
    switch (shape) {
    case NailShape::ShortWide:
        return roundedNail(1.58 * w, 0.95 * w, top, 0.40 * w);
    case NailShape::BroadSquare:
        return roundedNail(1.50 * w, 1.62 * w, top, 0.10 * w);
    case NailShape::LongNarrow:
        return roundedNail(0.92 * w, 2.30 * w, top, 0.42 * w);
    case NailShape::Almond:
        return almondNail(1.28 * w, 2.05 * w, top - 0.08 * w);
    }
    return {};
}

QImage NailPicture::render(int scale) const
{
    return m_layout == Layout::FingertipRow ? renderRow(scale) : renderGrid(scale);
}

QImage NailPicture::renderRow(int scale) const
{
    QImage image = Canvas::blank(RowSize, scale);
    QPainter painter(&image);
    Canvas::prepare(painter);

    constexpr double pitch = 37.0;
    constexpr double tipY = 52.0;
    constexpr double halfWidth = 13.0;
    // Narrow enough that every word gets a line of its own and "Almond-Shaped"
    // breaks at its hyphen.
    constexpr double labelWidth = 40.0;
    constexpr int labelFlags = Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap;
    const QFont font = Canvas::labelFont(8);
    const QFontMetricsF metrics(font);

    // How far a column reaches either side of its centre: the finger with its
    // outline, or the longest line of its label, whichever is wider.
    const auto reach = [&](NailShape shape) {
        const QRectF text =
            metrics.boundingRect(QRectF(0.0, 0.0, labelWidth, tipY), labelFlags, label(shape));
        return std::max(halfWidth + Style::OutlineWidth, 0.5 * text.width());
    };
    // The row, from its leftmost to its rightmost ink, sits centred in the shown part.
    const double rowWidth = reach(Shapes.front()) + 3.0 * pitch + reach(Shapes.back());
    const double firstCentreX = 0.5 * (Canvas::ShownArea.width() - rowWidth) + reach(Shapes.front());

    for (int i = 0; i < 4; ++i) {
        const double centreX = firstCentreX + i * pitch;
        painter.save();
        painter.translate(centreX, tipY);
        paintFingertip(painter, Shapes[i], halfWidth, RowSize.height() - tipY + 30.0);
        painter.restore();

        painter.setFont(font);
        painter.setPen(Style::color(Style::Ink));
        const QRectF labelBox(centreX - 0.5 * labelWidth, 2.0, labelWidth, tipY - 6.0);
        painter.drawText(labelBox, labelFlags, label(Shapes[i]));
    }
    painter.end();
    return image;
}

QImage NailPicture::renderGrid(int scale) const
{
    QImage image = Canvas::blank(GridSize, scale);
    QPainter painter(&image);
    Canvas::prepare(painter);

    const double cellWidth = GridSize.width() / 2.0;
    const double cellHeight = GridSize.height() / 2.0;
    constexpr double cardHeight = 60.0;
    constexpr double halfWidth = 17.0;
    const QFont font = Canvas::labelFont(8);
    for (int i = 0; i < 4; ++i) {
        const double left = (i % 2) * cellWidth;
        const double top = (i / 2) * cellHeight;
        const QRectF card(left + 4.0, top + 3.0, cellWidth - 8.0, cardHeight);

        painter.setPen(QPen(Style::color(Style::CardEdge), 1.0));
        painter.setBrush(Style::color(Style::Card));
        painter.drawRoundedRect(card, 6.0, 6.0);

        QPainterPath clip;
        clip.addRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 6.0, 6.0);
        painter.save();
        painter.setClipPath(clip);
        painter.translate(card.center().x(), card.top() + 7.0);
        paintFingertip(painter, Shapes[i], halfWidth, cardHeight + 20.0);
        painter.restore();

        painter.setFont(font);
        painter.setPen(Style::color(Style::Ink));
        const QRectF labelBox(left, card.bottom() + 2.0, cellWidth, cellHeight - cardHeight - 5.0);
        painter.drawText(labelBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, label(Shapes[i]));
    }
    painter.end();
    return image;
}
