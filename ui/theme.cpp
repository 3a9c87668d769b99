#include "ui/theme.h"

#include "ui/fontfamilies.h"

#include "ui/palmorastyle.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

namespace palmora::Theme {

void apply(QApplication &app)
{
    app.setStyle(new PalmoraStyle);

    QPalette palette;
    palette.setColor(QPalette::Window, kWindowBlue);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(233, 241, 252));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(110, 110, 110));
    palette.setColor(QPalette::Button, QColor(236, 236, 236));
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0, 84, 166));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Link, kLinkBlue);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(240, 240, 240));
    app.setPalette(palette);

    // Verdana, or where it is not installed a close humanist sans of similar
    // width, asked for by the name of the family that will serve: a family that
    // is missing is looked up again through the font configuration for every
    // size and weight. Forms give sizes and weights only, so they take it too.
    const QStringList preferred = verdanaFamilies();
    QFont::insertSubstitutions(preferred.first(), preferred.mid(1));
    const QStringList installed = QFontDatabase::families();
    const auto serving = std::find_if(preferred.begin(), preferred.end(), [&](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    QFont font(serving != preferred.end() ? *serving : preferred.first());
    font.setPointSizeF(8.25);
    app.setFont(font);
}

void setColors(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void setPointSize(QWidget *widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

} // namespace palmora::Theme
