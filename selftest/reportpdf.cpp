#include "selftest/reportpdf.h"

#include "common/buildinfo.h"
#include "common/filetrust.h"
#include "common/wholefile.h"
#include "selftest/reportpages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

struct Target {
    QString path; // the file written, every link on the way followed
    QString error; // why nothing may be written, when not empty
};

// Follows the links at `path` as far as the file they lead to. A link is
// followed only when it is the user's own and stands in a folder nobody else
// can write: another user could otherwise point it, or swap it, at a file of
// the user's or into a folder of their own.
Target targetOf(const QString &path)
{
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    bool throughLink = false;
    for (int depth = 0; depth < 32; ++depth) {
        struct stat info { };
        if (::lstat(QFile::encodeName(current).constData(), &info) != 0) {
            if (errno == ENOENT)
                return {current, {}};
            return {{}, systemErrorText(errno)};
        }
        if (!S_ISLNK(info.st_mode)) {
            if (S_ISDIR(info.st_mode))
                return {{}, ReportPdf::tr("It is a folder, not a file.")};
            if (!S_ISREG(info.st_mode))
                return {{}, ReportPdf::tr("It is not an ordinary file.")};
            if (throughLink && info.st_uid != ::geteuid())
                return {{},
                        ReportPdf::tr("It is a link to %1, a file of another user. Palmora does not "
                                      "write over it.")
                            .arg(QDir::toNativeSeparators(current))};
            return {current, {}};
        }
        const QString folder = QFileInfo(current).absolutePath();
        if (info.st_uid != ::geteuid())
            return {{},
                    ReportPdf::tr("It is a link that another user made. Palmora does not write "
                                  "through it.")};
        if (!FileTrust::isPrivateFolder(folder, true))
            return {{},
                    ReportPdf::tr("It is a link in a folder that other users can write to, so "
                                  "anyone could have put it there. Palmora does not write through it.")};
        const QString target = QFile::symLinkTarget(current);
        if (target.isEmpty())
            return {{}, ReportPdf::tr("It is a link that cannot be read.")};
        current = target;
        throughLink = true;
    }
    return {{}, systemErrorText(ELOOP)};
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
    const Target target = targetOf(filePath);
    if (!target.error.isEmpty())
        return {false, target.error};

    const QByteArray bytes = pdfBytes(document);
    if (bytes.isEmpty())
        return {false, ReportPdf::tr("The PDF could not be made.")};
    if (const QString error = writeFileWhole(target.path, bytes); !error.isEmpty())
        return {false, error};
    return {true, {}};
}

} // namespace palmora
