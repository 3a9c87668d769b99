#pragma once

#include <QString>

#include <stop_token>

class QTextDocument;

namespace palmora {

struct PrintResult {
    enum class Status {
        HandedOver, // the whole job went to the printer
        NoPrinterInstalled,
        NoDefaultPrinter, // printers exist, but none is the default one
        NotStarted, // the printer did not take the job
        Abandoned, // stopped before anything went to the printer: nobody waits for it any more
    };
    Status status = Status::HandedOver;
    // The printer (or file) the job was meant for.
    QString printerName;
};

// Puts a document on paper. The result page prints through one of these, so a
// test can send the very same document to a PDF file instead.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // A stop requested while the printer is being looked up keeps the job off
    // the printer.
    virtual PrintResult print(const QTextDocument &document, std::stop_token stop) = 0;
    // Whether print() may run on a thread of its own, given a document of that
    // thread's, so that the window keeps answering while it runs.
    virtual bool printsInBackground() const { return false; }
};

} // namespace palmora
