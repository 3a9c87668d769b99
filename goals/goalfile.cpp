#include "goals/goalfile.h"

#include "common/filetrust.h"
#include "common/lineends.h"
#include "common/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <array>
#include <utility>

namespace palmora {

namespace {

// Windows-1252 differs from Latin-1 only in the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

GoalResult failed(QString why)
{
    return {Outcome::failed(std::move(why)), {}, false};
}

QString noFolderReason()
{
    return GoalFile::tr("There is no folder for the goal notes.");
}

QString brokenLinkReason(const QString &end, const QString &why)
{
    return GoalFile::tr("It is a link to %1, and that file cannot be made: %2")
        .arg(QDir::toNativeSeparators(end), why);
}

// Windows-1252, the code page of older goal files. The five bytes the code page
// leaves undefined map to the C1 controls of the same value, as Windows does.
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

// Says that a note holds more than a note may.
QString tooLongReason()
{
    return GoalFile::tr("It holds more than %1 characters, more than a goal note may hold.")
        .arg(GoalFile::kMaxCharacters);
}

} // namespace

QString goalTextFromBytes(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = decodeWindows1252(bytes);
    text = toLineFeeds(std::move(text));
    text.replace(QChar(QChar::Null), QChar(QChar::ReplacementCharacter));
    // Every line ends in a break in the file; the note keeps no break after its
    // last line, so that saving adds exactly the one it took away.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QByteArray goalBytesFromText(const QString &noteText)
{
    // A lone CR counts as a line break too: it becomes LF first, then CR LF.
    return (toCrLf(toLineFeeds(trimSpaces(noteText))) + QLatin1String("\r\n")).toUtf8();
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

GoalResult GoalFile::createIfMissing() const
{
    const QString target = path();
    if (target.isEmpty()) {
        return failed(noFolderReason());
    }
    const FileTrust::Verdict verdict = FileTrust::judge(target, FileTrust::Expect::File, true);
    if (verdict.exists)
        return {Outcome::done(), {}, false};
    if (!verdict.why.isEmpty())
        return failed(verdict.why);
    // Whole or not at all: an empty or half-written note would count as one
    // that exists, and the next start would not try again. Nor is a file that
    // appeared in the meantime replaced. A link that leads nowhere is a missing
    // note: the default is made where it points, and the link stays.
    if (const Outcome made = createFileWhole(verdict.end, goalBytesFromText(defaultText())); !made.ok) {
        // One that appeared in the meantime is there all the same.
        const bool linked = QFileInfo(target).isSymLink();
        return {{QFileInfo::exists(target), linked ? brokenLinkReason(verdict.end, made.error) : made.error},
                {},
                false};
    }
    return {Outcome::done(), {}, false};
}

GoalResult GoalFile::read() const
{
    const QString source = path();
    if (source.isEmpty()) {
        return failed(noFolderReason());
    }
    const FileTrust::Verdict verdict = FileTrust::judge(source, FileTrust::Expect::File, true);
    if (!verdict.why.isEmpty()) {
        return failed(verdict.why);
    }
    if (!verdict.exists) {
        return failed(tr("The file does not exist."));
    }
    const WholeFileRead file = readFileWhole(verdict.end, kMaxBytes);
    if (file.tooLarge) {
        return failed(tooLongReason());
    }
    if (!file.error.isEmpty()) {
        return failed(file.error);
    }
    QString text = goalTextFromBytes(file.bytes);
    if (!fits(text)) {
        return failed(tooLongReason());
    }
    return {Outcome::done(), std::move(text), false};
}

bool GoalFile::fits(const QString &noteText)
{
    return noteText.size() <= kMaxCharacters;
}

GoalResult GoalFile::write(const QString &noteText) const
{
    const QString target = path();
    if (target.isEmpty()) {
        return failed(noFolderReason());
    }
    if (!fits(trimSpaces(noteText))) {
        return failed(tooLongReason());
    }
    // Judged again now: what passed at start-up may have changed since.
    const FileTrust::Verdict verdict = FileTrust::judge(target, FileTrust::Expect::File, true);
    if (!verdict.why.isEmpty()) {
        return failed(verdict.why);
    }
    // A note reached through a link is written where the link leads, so the
    // link stays as its owner made it.
    if (const Outcome written = writeFileWhole(verdict.end, goalBytesFromText(noteText)); !written.ok) {
        const bool linked = QFileInfo(target).isSymLink();
        return failed(linked && !verdict.exists ? brokenLinkReason(verdict.end, written.error)
                                                : written.error);
    }
    return {Outcome::done(), {}, false};
}

} // namespace palmora
