#pragma once

#include <QImage>
#include <QPainterPath>
#include <QString>

enum class NailShape { ShortWide, BroadSquare, LongNarrow, Almond };

// The four nail shapes side by side, each with its name. Two layouts exist so
// that the row and the grid can be told apart when both are shown.
class NailPicture {
public:
    enum class Layout { FingertipRow, CardGrid };

    // The row is a few pixels wider than the program shows; it is drawn inside
    // Canvas::ShownArea and the columns beyond stay paper.
    static constexpr QSize RowSize {161, 180};
    static constexpr QSize GridSize {153, 177};

    explicit NailPicture(Layout layout);

    // Drawn at `scale` device pixels to each unit of RowSize or GridSize.
    QImage render(int scale) const;

    static QString label(NailShape shape);

    // Nail outline for a finger of the given half width whose tip is at the
    // origin, pointing towards -y.
    static QPainterPath nailPath(NailShape shape, double fingerHalfWidth);

private:
    QImage renderRow(int scale) const;
    QImage renderGrid(int scale) const;

    Layout m_layout;
};
