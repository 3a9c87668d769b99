#include "selftest/reportprinters.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <memory>

namespace palmora {

namespace {

const QString kJobName = QStringLiteral("Palmora Test Results");

} // namespace

bool printDocument(const QTextDocument &document, QPrinter &printer)
{
    printer.setDocName(kJobName);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    // Lay a copy out at the printer's resolution, one page body at a time, so
    // the screen's copy keeps its own layout.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    const QSizeF body(painter.device()->width(), painter.device()->height());
    copy->setPageSize(body);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);

    bool ok = true;
    const int pages = copy->pageCount();
    for (int page = 0; page < pages && ok; ++page) {
        if (page > 0)
            ok = printer.newPage();
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        context.clip = view;
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    ok = painter.end() && ok;
    return ok && printer.printerState() != QPrinter::Error;
}

DefaultReportPrinter::DefaultReportPrinter()
    : DefaultReportPrinter(Lookup {&QPrinterInfo::availablePrinterNames, &QPrinterInfo::defaultPrinter})
{
}

DefaultReportPrinter::DefaultReportPrinter(Lookup lookup)
    : m_lookup(std::move(lookup))
{
}

PrintResult DefaultReportPrinter::print(const QTextDocument &document)
{
    const QPrinterInfo info = m_lookup.defaultPrinter();
    if (info.isNull()) {
        const bool anyInstalled = !m_lookup.installedPrinters().isEmpty();
        return {anyInstalled ? PrintResult::Status::NoDefaultPrinter
                             : PrintResult::Status::NoPrinterInstalled,
                {},
                {}};
    }

    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || !printDocument(document, printer))
        return {PrintResult::Status::NotStarted, info.printerName(), {}};
    return {PrintResult::Status::HandedOver, info.printerName(), {}};
}

PdfReportPrinter::PdfReportPrinter(QString filePath)
    : m_filePath(std::move(filePath))
{
}

PrintResult PdfReportPrinter::print(const QTextDocument &document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_filePath);
    const bool ok = printDocument(document, printer);
    return {ok ? PrintResult::Status::HandedOver : PrintResult::Status::NotStarted, m_filePath, {}};
}

} // namespace palmora

// What the program looks up after loading the module.
extern "C" Q_DECL_EXPORT palmora::ReportPrinter *palmoraCreateDefaultReportPrinter()
{
    return new palmora::DefaultReportPrinter;
}
