#pragma once

#include <QPrinterInfo>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QTextDocument;

namespace palmora {

struct PrintResult {
    enum class Status {
        HandedOver, // the whole job went to the printer
        NoPrinterInstalled,
        NoDefaultPrinter, // printers exist, but none is the default one
        NotStarted, // the printer did not take the job
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
    virtual PrintResult print(const QTextDocument &document) = 0;
};

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

    PrintResult print(const QTextDocument &document) override;

private:
    Lookup m_lookup;
};

// Writes the printout to a PDF file.
class PdfReportPrinter final : public ReportPrinter {
public:
    explicit PdfReportPrinter(QString filePath);

    PrintResult print(const QTextDocument &document) override;

private:
    QString m_filePath;
};

} // namespace palmora
