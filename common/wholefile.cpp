#include "common/wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace palmora {

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

namespace {

// Writes all of `bytes` to a file opened unbuffered, so that every failure is
// seen here. A short write is retried: the retry either goes on or fails with
// the system's reason.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

} // namespace

QString whyNotAFile(bool isFolder)
{
    return isFolder ? QCoreApplication::translate("WholeFile", "It is a folder, not a file.")
                    : QCoreApplication::translate("WholeFile", "It is not an ordinary file.");
}

WholeFileRead readFileWhole(const QString &path, qint64 maxBytes)
{
    // Opening some devices does something, and a FIFO would wait for a writer.
    if (const QFileInfo info(path); !info.isFile())
        return {{}, info.exists() ? whyNotAFile(info.isDir()) : systemErrorText(ENOENT)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > maxBytes)
        return {
            {},
            QCoreApplication::translate("WholeFile", "It is larger than %n bytes.", nullptr, int(maxBytes)),
            true};
    return {std::move(bytes), {}};
}

Outcome writeFileWhole(const QString &path, const QByteArray &bytes)
{
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    // Unbuffered: a write that fails while QSaveFile::commit() flushes its
    // buffer is not seen, and the file cut short would take the old one's
    // place (a full disk, say).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Outcome::failed(file.errorString());
    // Set on the unnamed new file, so that others never read it,
    // not even for a moment.
    if (isNew && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return Outcome::failed(file.errorString());
    if (!writeAll(file, bytes) || !file.commit())
        return Outcome::failed(file.errorString());
    return Outcome::done();
}

Outcome createFileWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // NewOnly neither replaces anything nor follows a link.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return Outcome::failed(file.errorString());
    if (writeAll(file, bytes))
        return Outcome::done();
    Outcome failed = Outcome::failed(file.errorString());
    // Only the file just made goes: half a note would count as one that exists.
    file.remove();
    return failed;
}

} // namespace palmora
