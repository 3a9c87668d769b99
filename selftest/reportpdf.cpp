#include "selftest/reportpdf.h"

#include "common/filetrust.h"
#include "selftest/reportpages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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

PdfSaveResult saveReportPdf(const QTextDocument &document, const QString &filePath)
{
    if (QFileInfo(filePath).isDir())
        return {false, ReportPdf::tr("It is a folder, not a file.")};

    const QByteArray bytes = pdfBytes(document);
    if (bytes.isEmpty())
        return {false, ReportPdf::tr("The PDF could not be made.")};

    // QSaveFile writes a temporary file beside the target and renames it over the
    // target only once everything is written, so a full disk or a killed process
    // never leaves half a file behind. Unbuffered, because a write that fails
    // while a buffer is flushed at commit time is not reported by commit().
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    // A short write is retried: the retry either goes on or fails with the
    // system's reason (a full disk, say).
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString error = file.errorString();
            file.cancelWriting();
            return {false, error};
        }
        written += step;
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace palmora
