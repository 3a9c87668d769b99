#pragma once

#include "selftest/reportprinter.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

namespace palmora {

// The system's default printer, reached through the printing module, which is
// loaded the first time a report is printed: Qt's printing library is large,
// and most runs of the program never print.
class OnDemandReportPrinter final : public ReportPrinter {
    Q_DECLARE_TR_FUNCTIONS(OnDemandReportPrinter)
public:
    // Where the program's own module may be: beside the program (its build
    // folder, or a copy of it), then in the library folder of the installed
    // program, fixed when it is built. Only the first one found is tried.
    static QStringList moduleCandidates();

    explicit OnDemandReportPrinter(QStringList candidates = moduleCandidates());
    ~OnDemandReportPrinter() override;

    PrintResult print(const QTextDocument &document) override;
    // Looking up the default printer, laying the pages out in the printer's
    // fonts and handing the job to the print system take a good part of a
    // second on a busy machine.
    bool printsInBackground() const override { return true; }
    bool isLoaded() const { return m_printer != nullptr; }

private:
    // Loads the first module that serves; why none did, otherwise.
    QString loadModule();

    QStringList m_candidates;
    std::unique_ptr<ReportPrinter> m_printer;
};

} // namespace palmora
