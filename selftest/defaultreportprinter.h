#pragma once

#include "selftest/reportprinter.h"

#include <QPrinterInfo>
#include <QStringList>

#include <functional>

class QPrinter;

namespace palmora {

// Prints every page of the document on `printer` as one job, in the document's
// own fonts, black on white, without page numbers. False when the job could not
// be started or the printer reported an error.
bool printDocument(const QTextDocument &document, QPrinter &printer);

// The system's default printer.
class DefaultReportPrinter final : public ReportPrinter {
public:
    // How the installed printers and the default one are found.
    struct Lookup {
        std::function<QStringList()> installedPrinters;
        std::function<QPrinterInfo()> defaultPrinter;
    };

    DefaultReportPrinter();
    explicit DefaultReportPrinter(Lookup lookup);

    PrintResult print(const QTextDocument &document, std::stop_token stop) override;
    // Looking up the default printer, laying the pages out in the printer's
    // fonts and handing the job to the print system take a good part of a
    // second on a busy machine.
    bool printsInBackground() const override { return true; }

private:
    Lookup m_lookup;
};

} // namespace palmora
