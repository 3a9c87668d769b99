#include "AppIcon.h"

#include "Canvas.h"
#include "Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>

namespace {

QString num(double value)
{
    return QString::number(value, 'g', 6);
}

QString hex(QRgb rgb)
{
    return Style::color(rgb).name(QColor::HexRgb);
}

} // namespace

AppIcon::Geometry AppIcon::geometry(int size)
{
    Geometry g;
    g.tile = QRectF(10.0, 10.0, 236.0, 236.0);
    g.tileRadius = 52.0;
    g.palm = QRectF(88.0, 116.0, 104.0, 104.0);
    g.palmRadius = 32.0;
    g.fingers = {QLineF(102.0, 132.0, 96.0, 66.0), QLineF(127.0, 128.0, 127.0, 50.0),
                 QLineF(152.0, 130.0, 157.0, 60.0), QLineF(175.0, 140.0, 186.0, 88.0)};
    g.fingerWidth = 22.0;
    g.thumb = QLineF(112.0, 192.0, 64.0, 138.0);
    g.thumbWidth = 28.0;
    g.line = {QPointF(94.0, 150.0), QPointF(128.0, 156.0), QPointF(136.0, 190.0), QPointF(130.0, 214.0)};
    g.lineWidth = 10.0;
    g.outlineWidth = 6.0;
    if (size <= 24) {
        g.fingerWidth = 25.0;
        g.fingers = {QLineF(100.0, 132.0, 92.0, 70.0), QLineF(128.0, 128.0, 128.0, 52.0),
                     QLineF(156.0, 130.0, 162.0, 62.0), QLineF(180.0, 140.0, 192.0, 92.0)};
        g.thumbWidth = 32.0;
        g.lineWidth = 22.0;
        g.outlineWidth = 12.0;
    }
    return g;
}

QImage AppIcon::render(int size) const
{
    const Geometry g = geometry(size);
    QImage image = Canvas::transparent(QSize(size, size));
    QPainter painter(&image);
    Canvas::prepare(painter);
    painter.scale(size / Units, size / Units);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Style::color(Style::IconTile));
    painter.drawRoundedRect(g.tile, g.tileRadius, g.tileRadius);

    // Outline pass under the skin pass, as in the topic pictures.
    const auto digits = [&](QRgb colour, double extra) {
        painter.setBrush(Qt::NoBrush);
        for (const QLineF &finger : g.fingers) {
            painter.setPen(QPen(Style::color(colour), g.fingerWidth + extra, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(finger);
        }
        painter.setPen(QPen(Style::color(colour), g.thumbWidth + extra, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(g.thumb);
    };
    digits(Style::Outline, 2.0 * g.outlineWidth);
    painter.setPen(QPen(Style::color(Style::Outline), 2.0 * g.outlineWidth));
    painter.setBrush(Style::color(Style::Outline));
    painter.drawRoundedRect(g.palm, g.palmRadius, g.palmRadius);
    digits(Style::Skin, 0.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Style::color(Style::Skin));
    painter.drawRoundedRect(g.palm, g.palmRadius, g.palmRadius);

    QPainterPath line;
    line.moveTo(g.line[0]);
    line.cubicTo(g.line[1], g.line[2], g.line[3]);
    painter.setPen(QPen(Style::color(Style::Accent), g.lineWidth, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.end();
    return image;
}

QByteArray AppIcon::svg() const
{
    const Geometry g = geometry(int(Units));
    const auto lineElement = [](const QLineF &l, double width, QRgb colour) {
        return QStringLiteral(
                   "    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"%6\"/>\n")
            .arg(num(l.x1()), num(l.y1()), num(l.x2()), num(l.y2()), hex(colour), num(width));
    };
    const auto rectElement = [](const QRectF &r, double radius, const QString &attributes) {
        return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
            .arg(num(r.x()), num(r.y()), num(r.width()), num(r.height()), num(radius), attributes);
    };
    const auto digits = [&](QRgb colour, double extra) {
        QString out = QStringLiteral("  <g stroke-linecap=\"round\">\n");
        for (const QLineF &finger : g.fingers)
            out += lineElement(finger, g.fingerWidth + extra, colour);
        out += lineElement(g.thumb, g.thumbWidth + extra, colour);
        return out + QStringLiteral("  </g>\n");
    };

    QString svg;
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n");
    svg += QStringLiteral("  <title>Palmora</title>\n");
    svg += rectElement(g.tile, g.tileRadius,
                       QStringLiteral("fill=\"%1\" stroke=\"none\"").arg(hex(Style::IconTile)));
    svg += digits(Style::Outline, 2.0 * g.outlineWidth);
    svg += rectElement(g.palm, g.palmRadius,
                       QStringLiteral("fill=\"%1\" stroke=\"%1\" stroke-width=\"%2\"")
                           .arg(hex(Style::Outline), num(2.0 * g.outlineWidth)));
    svg += digits(Style::Skin, 0.0);
    svg += rectElement(g.palm, g.palmRadius,
                       QStringLiteral("fill=\"%1\" stroke=\"none\"").arg(hex(Style::Skin)));
    svg += QStringLiteral("  <path d=\"M%1 %2 C%3 %4 %5 %6 %7 %8\" fill=\"none\" stroke=\"%9\" "
                          "stroke-width=\"%10\" stroke-linecap=\"round\"/>\n")
               .arg(num(g.line[0].x()), num(g.line[0].y()), num(g.line[1].x()), num(g.line[1].y()),
                    num(g.line[2].x()), num(g.line[2].y()), num(g.line[3].x()), num(g.line[3].y()))
               .arg(hex(Style::Accent), num(g.lineWidth));
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}
