#include "selftest/ondemandreportprinter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace palmora {

namespace {

using CreatePrinter = ReportPrinter *(*)();
constexpr char kFactoryName[] = "palmoraCreateDefaultReportPrinter";

} // namespace

QStringList OnDemandReportPrinter::moduleCandidates()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString file = QStringLiteral(PALMORA_PRINTING_MODULE_FILE);
    return {programFolder + QStringLiteral("/" PALMORA_PRINTING_MODULE_DIR "/") + file,
            programFolder + QLatin1Char('/') + file};
}

OnDemandReportPrinter::OnDemandReportPrinter(QStringList candidates)
    : m_candidates(std::move(candidates))
{
}

OnDemandReportPrinter::~OnDemandReportPrinter() = default;

PrintResult OnDemandReportPrinter::print(const QTextDocument &document)
{
    QString problem =
        QCoreApplication::translate("palmora::OnDemandReportPrinter", "The printing module %1 is missing.")
            .arg(m_candidates.value(0));
    for (const QString &candidate : std::as_const(m_candidates)) {
        if (m_printer)
            break;
        if (!QFileInfo::exists(candidate))
            continue;
        // The module stays loaded for the rest of the run: the printer it makes
        // runs its code until the end.
        QLibrary module(candidate);
        const auto create = reinterpret_cast<CreatePrinter>(module.resolve(kFactoryName));
        if (create)
            m_printer.reset(create());
        else
            problem = module.errorString();
    }
    if (!m_printer)
        return {PrintResult::Status::PrintingUnavailable, {}, problem};
    return m_printer->print(document);
}

} // namespace palmora
