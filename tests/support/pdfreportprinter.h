#pragma once

#include "selftest/reportprinter.h"

#include <QString>

namespace palmora::testing {

// Prints the report into a PDF file, through the same page layout as a printer,
// so that a test can read back what a printout holds.
class PdfReportPrinter final : public ReportPrinter {
public:
    explicit PdfReportPrinter(QString filePath);

    PrintResult print(const QTextDocument &document, std::stop_token stop) override;

private:
    QString m_filePath;
};

} // namespace palmora::testing
