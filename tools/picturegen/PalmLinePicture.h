#pragma once

#include <QImage>
#include <QPainterPath>

class HandFigure;

enum class PalmLine { Life, Head, Heart, Fate, Fame, Marriage, Health, Travel, Girdle };

// The same open right palm every time; the main lines are faint and the line
// the picture is about is drawn strongly on top.
class PalmLinePicture {
public:
    static constexpr QSize Size {137, 169};

    explicit PalmLinePicture(PalmLine line);

    // Drawn at `scale` device pixels to each unit of Size.
    QImage render(int scale) const;

    static QPainterPath linePath(PalmLine line, const HandFigure &hand);

private:
    PalmLine m_line;
};
