#include "selftest/reportpages.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <memory>

namespace palmora {

bool paintDocumentPages(const QTextDocument &document, QPagedPaintDevice &device, QPainter &painter)
{
    // Lay a copy out at the device's resolution, one page body at a time, so
    // the screen's copy keeps its own layout.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    const QSizeF body(painter.device()->width(), painter.device()->height());
    copy->setPageSize(body);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);

    bool ok = true;
    const int pages = copy->pageCount();
    for (int page = 0; page < pages && ok; ++page) {
        if (page > 0)
            ok = device.newPage();
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        context.clip = view;
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return ok;
}

} // namespace palmora
