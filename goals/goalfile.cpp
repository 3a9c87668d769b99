#include "goals/goalfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <cerrno>
#include <cstring>

namespace palmora {

namespace {

// Windows-1252 differs from Latin-1 only in the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
        || c == QChar::LineSeparator;
}

QString whatIsWrongWith(const QFileInfo &info)
{
    if (info.isDir())
        return GoalFile::tr("It is a folder, not a file.");
    if (!info.isFile())
        return GoalFile::tr("It is not an ordinary file.");
    return QString();
}

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The file a chain of links ends at, whether or not it exists.
QString linkEnd(QFileInfo info)
{
    for (int depth = 0; depth < 32 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

// Whether a chain of links never reaches a file: it leads round in a circle,
// or is longer than the system follows.
bool linksLoop(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() && QFileInfo(linkEnd(info)).isSymLink();
}

QString loopReason()
{
    return QString::fromLocal8Bit(std::strerror(ELOOP));
}

QString brokenLinkReason(const QString &end, const QString &why)
{
    return GoalFile::tr("It is a link to %1, and that file cannot be made: %2")
        .arg(QDir::toNativeSeparators(end), why);
}

} // namespace

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ =
            (value >= 0x80 && value <= 0x9F) ? QChar(kWindows1252High[value - 0x80]) : QChar(char16_t(value));
    }
    return text;
}

QString goalTextFromBytes(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        decoded = decodeWindows1252(bytes);

    QString text;
    text.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const QChar c = decoded.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < decoded.size() && decoded.at(i + 1) == QLatin1Char('\n'))
                ++i;
            text.append(QLatin1Char('\n'));
        } else {
            text.append(c.isNull() ? QChar(QChar::ReplacementCharacter) : c);
        }
    }
    // Every line ends in a break in the file; the note keeps no break after its
    // last line, so that saving adds exactly the one it took away.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QByteArray goalBytesFromText(const QString &noteText)
{
    const QString trimmed = trimSpaces(noteText);
    QString lines;
    lines.reserve(trimmed.size() + trimmed.size() / 16 + 2);
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (isLineBreak(c)) {
            if (c == QLatin1Char('\r') && i + 1 < trimmed.size() && trimmed.at(i + 1) == QLatin1Char('\n'))
                ++i;
            lines.append(QLatin1String("\r\n"));
        } else {
            lines.append(c);
        }
    }
    lines.append(QLatin1String("\r\n"));
    return lines.toUtf8();
}

GoalFile::GoalFile(const QString &folder, int number)
    : m_folder(folder)
    , m_number(number)
{
}

QString GoalFile::fileName() const
{
    return QStringLiteral("Goal%1.txt").arg(m_number);
}

QString GoalFile::path() const
{
    if (m_folder.isEmpty())
        return QString();
    return QDir(m_folder).filePath(fileName());
}

QString GoalFile::defaultText() const
{
    return tr("This is Goal %1.").arg(m_number);
}

bool GoalFile::createIfMissing(QString *error) const
{
    const QString target = path();
    if (target.isEmpty()) {
        if (error)
            *error = tr("There is no folder for the goal notes.");
        return false;
    }
    const QFileInfo info(target);
    if (info.exists())
        return true;
    // A link that leads nowhere is a missing note: the default is made where the
    // link points, and the link itself stays.
    const QString made = info.isSymLink() ? linkEnd(info) : target;
    if (linksLoop(target)) {
        if (error)
            *error = brokenLinkReason(made, loopReason());
        return false;
    }

    QFile file(made);
    // NewOnly fails rather than replace a file that appeared in the meantime.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly)) {
        if (error)
            *error = info.isSymLink() ? brokenLinkReason(made, file.errorString()) : file.errorString();
        return QFileInfo::exists(target);
    }
    const QByteArray bytes = goalBytesFromText(defaultText());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        // Half a default sentence is worse than none: the next start tries again.
        file.remove();
        return false;
    }
    file.close();
    return true;
}

GoalFile::ReadResult GoalFile::read() const
{
    ReadResult result;
    const QString source = path();
    if (source.isEmpty()) {
        result.error = tr("There is no folder for the goal notes.");
        return result;
    }
    const QFileInfo info(source);
    if (!info.exists()) {
        result.error = tr("The file does not exist.");
        return result;
    }
    // Checked before opening: a pipe or a device could block the read for ever.
    if (const QString wrong = whatIsWrongWith(info); !wrong.isEmpty()) {
        result.error = wrong;
        return result;
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    if (bytes.size() > kMaxBytes) {
        result.error = tooLongReason();
        return result;
    }
    QString text = goalTextFromBytes(bytes);
    if (!fits(text)) {
        result.error = tooLongReason();
        return result;
    }
    result.text = std::move(text);
    result.ok = true;
    return result;
}

bool GoalFile::fits(const QString &noteText)
{
    return noteText.size() <= kMaxCharacters;
}

QString GoalFile::tooLongReason()
{
    return tr("It holds more than %1 characters, more than a goal note may hold.").arg(kMaxCharacters);
}

bool GoalFile::write(const QString &noteText, QString *error) const
{
    const QString target = path();
    if (target.isEmpty()) {
        if (error)
            *error = tr("There is no folder for the goal notes.");
        return false;
    }
    if (!fits(trimSpaces(noteText))) {
        if (error)
            *error = tooLongReason();
        return false;
    }
    // A save would replace one of the links with a file of its own and say
    // nothing of it.
    if (linksLoop(target)) {
        if (error)
            *error = brokenLinkReason(linkEnd(QFileInfo(target)), loopReason());
        return false;
    }
    if (const QFileInfo info(target); info.exists()) {
        if (const QString wrong = whatIsWrongWith(info); !wrong.isEmpty()) {
            if (error)
                *error = wrong;
            return false;
        }
    }

    // QSaveFile writes a temporary file beside the target and renames it over the
    // target only once everything is written, so a full disk or a killed process
    // never leaves half a note behind. Unbuffered, because a write that fails
    // while a buffer is flushed at commit time is not reported by commit().
    QSaveFile file(target);
    const bool isNew = !QFileInfo::exists(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error) {
            const QFileInfo info(target);
            *error = info.isSymLink() && !info.exists() ? brokenLinkReason(linkEnd(info), file.errorString())
                                                        : file.errorString();
        }
        return false;
    }
    // A note made anew is personal; one that exists keeps the permissions its
    // owner gave it.
    if (isNew && !file.setPermissions(kOwnerOnly)) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    const QByteArray bytes = goalBytesFromText(noteText);
    // A short write is retried: the retry either goes on or fails with the
    // system's reason (a full disk, say).
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            if (error)
                *error = file.errorString();
            file.cancelWriting();
            return false;
        }
        written += step;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace palmora
