#include "selftest/reportpages.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

namespace palmora {

namespace {

// Draws the lines that begin on the page `view` (in document coordinates), each
// line once. The document layout's own draw() would also paint, clipped away,
// the line above the page of a paragraph that runs on from the page before: on
// paper it cannot be seen, but a PDF carries it as text, and copying the page
// or extracting its text gives that line twice.
void drawPage(const QTextDocument &document, QPainter &painter, const QRectF &view)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        if (!layout)
            continue;
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const qreal top = origin.y() + line.y();
            if (top >= view.top() && top < view.bottom())
                line.draw(&painter, origin);
        }
    }
}

qreal firstLineTop(const QTextBlock &block)
{
    const QTextLayout *layout = block.layout();
    return layout && layout->lineCount() > 0 ? layout->position().y() + layout->lineAt(0).y()
        : layout                             ? layout->position().y()
                                             : 0;
}

// Moves each run of blocks kept with the block after them, when a page ends
// inside it, to the top of the next page; a run that has been moved already
// (longer than a page) stays where it falls.
void keepHeadingsWithTheirLines(QTextDocument &document, qreal pageHeight)
{
    for (bool moved = true; moved;) {
        moved = false;
        for (QTextBlock block = document.begin(); block.isValid() && !moved; block = block.next()) {
            const QTextBlock next = block.next();
            if (!block.blockFormat().boolProperty(kKeepWithNext) || !next.isValid())
                continue;
            document.documentLayout()->blockBoundingRect(next); // lays it out
            const auto page = [pageHeight](const QTextBlock &b) { return int(firstLineTop(b) / pageHeight); };
            if (page(next) == page(block))
                continue;
            QTextBlock first = block;
            while (first.previous().isValid() && first.previous().blockFormat().boolProperty(kKeepWithNext)
                   && page(first.previous()) == page(block))
                first = first.previous();
            if (first.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            QTextBlockFormat breakBefore;
            breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).mergeBlockFormat(breakBefore);
            // The layout would go on from the changed block lazily, and leave
            // blocks further down unlaid; it starts again whole.
            document.markContentsDirty(0, document.characterCount());
            moved = true;
        }
    }
}

} // namespace

bool paintDocumentPages(const QTextDocument &document, QPagedPaintDevice &device, QPainter &painter)
{
    // Lay a copy out at the device's resolution, one page body at a time, so
    // the screen's copy keeps its own layout.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    const QSizeF body(painter.device()->width(), painter.device()->height());
    copy->setPageSize(body);
    keepHeadingsWithTheirLines(*copy, body.height());

    // Black on white, whatever the palette: every line is drawn with this pen.
    painter.setPen(Qt::black);
    bool ok = true;
    const int pages = copy->pageCount();
    for (int page = 0; page < pages && ok; ++page) {
        if (page > 0)
            ok = device.newPage();
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        drawPage(*copy, painter, view);
        painter.restore();
    }
    return ok;
}

} // namespace palmora
