#include "selftest/ondemandreportprinter.h"

#include "selftest/modulefile.h"

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
    const QString file = QStringLiteral(PALMORA_PRINTING_MODULE_FILE);
    return {QCoreApplication::applicationDirPath() + QLatin1Char('/') + file,
            QStringLiteral(PALMORA_PRINTING_MODULE_DIR "/") + file};
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
    for (const QString &candidate : std::as_const(m_candidates)) {
        const QFileInfo info(candidate);
        if (!info.exists() && !info.isSymLink())
            continue;
        // The first module found is the program's own; one that fails its checks
        // is refused rather than passed over, so the user learns about it.
        if (const QString why = ModuleFile::whyNotLoadable(candidate); !why.isEmpty())
            return tr("The printing module %1 was not loaded. %2").arg(candidate, why);
        // The module stays loaded for the rest of the run: the printer it makes
        // runs its code until the end.
        QLibrary module(candidate);
        if (!module.load())
            return tr("The printing module %1 could not be loaded: %2").arg(candidate, module.errorString());
        const auto create = reinterpret_cast<CreatePrinter>(module.resolve(kFactoryName));
        if (!create)
            return tr("The file %1 is a program library, but not the printing module of this program.")
                .arg(candidate);
        m_printer.reset(create());
        return {};
    }
    return tr("The printing module %1 is missing.").arg(m_candidates.value(0));
}

} // namespace palmora
