#include "pdfreportprinter.h"

#include "selftest/defaultreportprinter.h"

#include <QPrinter>

#include <utility>

namespace palmora::testing {

PdfReportPrinter::PdfReportPrinter(QString filePath)
    : m_filePath(std::move(filePath))
{
}

PrintResult PdfReportPrinter::print(const QTextDocument &document, std::stop_token stop)
{
    if (stop.stop_requested())
        return {PrintResult::Status::Abandoned, m_filePath};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_filePath);
    const bool ok = printDocument(document, printer);
    return {ok ? PrintResult::Status::HandedOver : PrintResult::Status::NotStarted, m_filePath};
}

} // namespace palmora::testing
