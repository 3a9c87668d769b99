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
    if (!m_printer) {
        const QString problem = loadModule();
        if (!m_printer)
            return {PrintResult::Status::PrintingUnavailable, {}, problem};
    }
    return m_printer->print(document);
}

QString OnDemandReportPrinter::loadModule()
{
    QString problem =
        QCoreApplication::translate("palmora::OnDemandReportPrinter", "The printing module %1 is missing.")
            .arg(m_candidates.value(0));
    for (const QString &candidate : std::as_const(m_candidates)) {
        if (!QFileInfo::exists(candidate))
            continue;
        // The module stays loaded for the rest of the run: the printer it makes
        // runs its code until the end.
        QLibrary module(candidate);
        if (const auto create = reinterpret_cast<CreatePrinter>(module.resolve(kFactoryName))) {
            m_printer.reset(create());
            return {};
        }
        problem = module.errorString();
    }
    return problem;
}

} // namespace palmora
