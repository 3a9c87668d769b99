#include "selftest/reportpdf.h"

#include "common/buildinfo.h"
#include "common/filetrust.h"
#include "common/wholefile.h"
#include "selftest/reportpages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QScopeGuard>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

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

// As many links as the system itself follows in one path.
constexpr int kMaxLinks = 40;

bool isUsersOrRoots(const struct stat &info)
{
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

// What the link open (O_PATH) at `fd` holds; empty when it cannot be read.
QByteArray linkTarget(int fd)
{
    char target[PATH_MAX];
    const ssize_t size = ::readlinkat(fd, "", target, sizeof target);
    return size > 0 && size < ssize_t(sizeof target) ? QByteArray(target, size) : QByteArray();
}

// Opens the folder `parts` lead to, one part at a time and never letting the
// system follow a link on its own: a link is followed only when it is the
// user's or root's. Another user's link, in a shared folder such as /tmp, could
// lead a save into a folder of the user's and replace a file there. The folder
// reached must be the user's (or root's) and closed to others, or sticky, so
// that nobody else can swap what the save puts there. The folder open, or -1
// with the reason in `error`.
int openSaveFolder(QByteArrayList parts, QString &error)
{
    QByteArray reached; // the folder open in `current`, for messages
    int current = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (current < 0) {
        error = systemErrorText(errno);
        return -1;
    }
    auto closeCurrent = qScopeGuard([&current] { ::close(current); });
    int links = 0;
    while (!parts.isEmpty()) {
        const QByteArray part = parts.takeFirst();
        if (part.isEmpty() || part == ".")
            continue;
        const int next = ::openat(current, part.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        struct stat info { };
        if (next < 0 || ::fstat(next, &info) != 0) {
            error = systemErrorText(errno);
            if (next >= 0)
                ::close(next);
            return -1;
        }
        const QByteArray path = reached + '/' + part;
        if (S_ISLNK(info.st_mode)) {
            const QByteArray link = isUsersOrRoots(info) ? linkTarget(next) : QByteArray();
            ::close(next);
            const QString shown = QDir::toNativeSeparators(QFile::decodeName(path));
            if (!isUsersOrRoots(info)) {
                error = ReportPdf::tr("%1 is a link that another user made. Palmora does not save "
                                      "through it.")
                            .arg(shown);
                return -1;
            }
            if (link.isEmpty() || ++links > kMaxLinks) {
                error = ReportPdf::tr("%1 is a link that cannot be followed: %2")
                            .arg(shown, systemErrorText(link.isEmpty() ? EINVAL : ELOOP));
                return -1;
            }
            if (link.startsWith('/')) {
                const int top = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
                if (top < 0) {
                    error = systemErrorText(errno);
                    return -1;
                }
                ::close(current);
                current = top;
                reached.clear();
            }
            parts = link.split('/') + parts;
            continue;
        }
        ::close(current);
        current = next;
        if (!S_ISDIR(info.st_mode)) {
            error = systemErrorText(ENOTDIR);
            return -1;
        }
        reached = part == ".." ? reached.left(std::max<qsizetype>(reached.lastIndexOf('/'), 0)) : path;
    }

    struct stat info { };
    if (::fstat(current, &info) != 0) {
        error = systemErrorText(errno);
        return -1;
    }
    const QString shown =
        QDir::toNativeSeparators(reached.isEmpty() ? QStringLiteral("/") : QFile::decodeName(reached));
    if (!isUsersOrRoots(info)) {
        error = ReportPdf::tr("The folder %1 belongs to another user.").arg(shown);
        return -1;
    }
    if (!(info.st_mode & S_ISVTX) && FileTrust::isWritableByOthers(info.st_mode, info.st_gid)) {
        error = ReportPdf::tr("Other users can change the folder %1, and with it the file.").arg(shown);
        return -1;
    }
    closeCurrent.dismiss();
    return current;
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
    const QString absolute =
        QDir::isAbsolutePath(filePath) ? filePath : QDir::currentPath() + QLatin1Char('/') + filePath;
    QByteArrayList parts = QFile::encodeName(absolute).split('/');
    const QByteArray name = parts.takeLast();
    if (name.isEmpty() || name == "." || name == "..")
        return {false, whyNotAFile(true)};
    QString error;
    const int folder = openSaveFolder(parts, error);
    if (folder < 0)
        return {false, error};
    const auto closeFolder = qScopeGuard([folder] { ::close(folder); });

    // A link at the name is not looked at: the rename below replaces it.
    if (struct stat info {}; ::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
            return {false, whyNotAFile(S_ISDIR(info.st_mode))};
    }

    const QByteArray bytes = pdfBytes(document);
    if (bytes.isEmpty())
        return {false, ReportPdf::tr("The PDF could not be made.")};
    // The report is the user's alone, whatever file it replaces.
    if (error = writeFileWholeAt(folder, name, bytes, WholeFileMode::OwnerOnly); !error.isEmpty())
        return {false, error};
    return {true, {}};
}

} // namespace palmora
