#include "selftest/reportpdf.h"

#include "common/buildinfo.h"
#include "common/filetrust.h"
#include "common/wholefile.h"
#include "selftest/reportpages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

namespace palmora {

namespace {

// The translators' context of the saved report's messages.
class ReportPdf {
    Q_DECLARE_TR_FUNCTIONS(ReportPdf)
};

// The whole PDF in memory, so that nothing reaches the disk unless the document
// was painted completely.
QByteArray pdfBytes(const QTextDocument &document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        // QPdfWriter's page (A4, 10 pt margins) and resolution (1200 dpi) are those
        // of Qt's PDF printer, so the saved report wraps and breaks as a printout
        // to a PDF file does.
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromLatin1(kReportTitle));
        writer.setCreator(QStringLiteral("Palmora " PALMORA_VERSION));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        const bool ok = paintDocumentPages(document, writer, painter);
        if (!painter.end() || !ok)
            return {};
    }
    return buffer.data();
}

} // namespace

QString reportPdfFileName(QDate date)
{
    return QStringLiteral("Palmora test results %1.pdf").arg(date.toString(Qt::ISODate));
}

QString reportPdfFolder(const QString &documents, const QString &home)
{
    return FileTrust::isPrivateFolder(documents) ? documents : home;
}

Outcome saveReportPdf(const QTextDocument &document, const QString &filePath)
{
    // Judged as the file is written, not when the name was chosen.
    const FileTrust::Verdict verdict = FileTrust::judge(filePath, FileTrust::Expect::File, true);
    if (!verdict.why.isEmpty())
        return Outcome::failed(verdict.why);
    const QByteArray bytes = pdfBytes(document);
    if (bytes.isEmpty())
        return Outcome::failed(ReportPdf::tr("The PDF could not be made."));
    return writeFileWhole(verdict.end, bytes);
}

} // namespace palmora
