#include "selftest/defaultreportprinter.h"

#include "selftest/reportpages.h"

#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace palmora {

bool printDocument(const QTextDocument &document, QPrinter &printer)
{
    printer.setDocName(QString::fromLatin1(kReportTitle));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool ok = paintDocumentPages(document, printer, painter);
    return painter.end() && ok && printer.printerState() != QPrinter::Error;
}

DefaultReportPrinter::DefaultReportPrinter()
    : DefaultReportPrinter(Lookup {&QPrinterInfo::availablePrinterNames, &QPrinterInfo::defaultPrinter})
{
}

DefaultReportPrinter::DefaultReportPrinter(Lookup lookup)
    : m_lookup(std::move(lookup))
{
}

PrintResult DefaultReportPrinter::print(const QTextDocument &document, std::stop_token stop)
{
    // A print system that does not answer holds the lookup, not the job: once
    // the lookup is through, nothing goes to the printer if the user has been
    // told that nothing would.
    const QPrinterInfo info = m_lookup.defaultPrinter();
    if (stop.stop_requested())
        return {PrintResult::Status::Abandoned, info.printerName()};
    if (info.isNull()) {
        const bool anyInstalled = !m_lookup.installedPrinters().isEmpty();
        return {anyInstalled ? PrintResult::Status::NoDefaultPrinter
                             : PrintResult::Status::NoPrinterInstalled,
                {}};
    }

    QPrinter printer(info, QPrinter::HighResolution);
    if (stop.stop_requested())
        return {PrintResult::Status::Abandoned, info.printerName()};
    if (!printer.isValid() || !printDocument(document, printer))
        return {PrintResult::Status::NotStarted, info.printerName()};
    return {PrintResult::Status::HandedOver, info.printerName()};
}

} // namespace palmora
