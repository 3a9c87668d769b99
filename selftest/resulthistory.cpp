#include "selftest/resulthistory.h"

#include "common/filelock.h"
#include "common/filetrust.h"
#include "common/wholefile.h"
#include "selftest/testkinds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace palmora {

namespace {

// What marks a file as ours, and the layout this code writes and reads.
constexpr char kFormat[] = "palmora-test-results";
constexpr int kVersion = 1;

QByteArray toBytes(const QList<FinishedTest> &results)
{
    QJsonArray list;
    for (const FinishedTest &test : results) {
        list.append(QJsonObject {
            {QStringLiteral("finished"), test.finished.toUTC().toString(Qt::ISODate)},
            {QStringLiteral("kind"), TestKinds::key(test.mode)},
            {QStringLiteral("missedTopicsOnly"), test.missedTopicsOnly},
            {QStringLiteral("score"), test.score},
            {QStringLiteral("questions"), test.questionCount},
        });
    }
    const QJsonObject file {
        {QStringLiteral("format"), QLatin1String(kFormat)},
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("results"), list},
    };
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::optional<FinishedTest> resultFrom(const QJsonValue &value)
{
    const QJsonObject entry = value.toObject();
    const QJsonValue score = entry.value(QStringLiteral("score"));
    const QJsonValue questions = entry.value(QStringLiteral("questions"));
    const QJsonValue missed = entry.value(QStringLiteral("missedTopicsOnly"));
    const std::optional<TestMode> mode = TestKinds::fromKey(entry.value(QStringLiteral("kind")).toString());
    FinishedTest test;
    test.finished = QDateTime::fromString(entry.value(QStringLiteral("finished")).toString(), Qt::ISODate);
    if (!value.isObject() || !test.finished.isValid() || !mode || !missed.isBool() || !score.isDouble()
        || !questions.isDouble())
        return std::nullopt;
    test.mode = *mode;
    test.missedTopicsOnly = missed.toBool();
    // toInt() of a fraction or of a number out of range gives the fallback.
    test.score = score.toInt(-1);
    test.questionCount = questions.toInt(-1);
    const bool countFits = test.missedTopicsOnly
        ? test.questionCount >= 1 && test.questionCount <= kQuestionCount
        : test.questionCount == kQuestionCount;
    if (!countFits || test.score < 0 || test.score > test.questionCount || score.toDouble() != test.score
        || questions.toDouble() != test.questionCount)
        return std::nullopt;
    return test;
}

// The results in the file's bytes, or why they are none of ours.
ResultHistory::Result fromBytes(const QByteArray &bytes)
{
    ResultHistory::Result result;
    QJsonParseError parseError {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    const QJsonObject file = document.object();
    if (parseError.error != QJsonParseError::NoError || !document.isObject()
        || file.value(QStringLiteral("format")).toString() != QLatin1String(kFormat)) {
        result.error = ResultHistory::tr("It is damaged, or it is not a file of test results.");
        return result;
    }
    if (file.value(QStringLiteral("version")).toInt(-1) != kVersion) {
        result.error = ResultHistory::tr("It was written by another version of Palmora.");
        return result;
    }
    const QJsonValue list = file.value(QStringLiteral("results"));
    if (!list.isArray()) {
        result.error = ResultHistory::tr("It is damaged: its list of results is missing.");
        return result;
    }
    const QJsonArray entries = list.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const std::optional<FinishedTest> test = resultFrom(entries.at(i));
        if (!test) {
            result.error = ResultHistory::tr("It is damaged: result %1 cannot be read.").arg(i + 1);
            result.results.clear();
            return result;
        }
        result.results.append(*test);
    }
    result.ok = true;
    return result;
}

// Renames without ever replacing what is at `to`: 0, or the system's error.
int renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return errno;
    // A file system that cannot rename that way can still give the file a
    // second name, which fails when the name is taken.
    if (::link(source.constData(), target.constData()) != 0)
        return errno;
    ::unlink(source.constData());
    return 0;
}

} // namespace

ResultHistory::ResultHistory(const QString &filePath)
    : m_filePath(filePath)
{
}

QString ResultHistory::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/results.json");
}

QString ResultHistory::whyFolderUnusable() const
{
    const QString folder = QFileInfo(m_filePath).absolutePath();
    return FileTrust::isPrivateFolder(folder)
        ? QString()
        : tr("Other users can change the folder %1.").arg(QDir::toNativeSeparators(folder));
}

ResultHistory::Result ResultHistory::read() const
{
    Result result;
    const QFileInfo info(m_filePath);
    if (!info.exists() && !info.isSymLink()) {
        result.ok = true;
        return result;
    }
    result.fileUnusable = true;
    if (info.isSymLink()) {
        result.error = tr("It is a link to another file.");
        return result;
    }
    if (const QString why = FileTrust::whyUntrusted(m_filePath); !why.isEmpty()) {
        result.error = why;
        return result;
    }
    const WholeFileRead file = readFileWhole(m_filePath, kMaxFileBytes);
    if (!file.error.isEmpty()) {
        result.error = file.tooLarge ? tr("It is larger than a file of test results can be.") : file.error;
        return result;
    }
    result = fromBytes(file.bytes);
    result.fileUnusable = !result.ok;
    return result;
}

ResultHistory::Result ResultHistory::append(const FinishedTest &test) const
{
    Result result;
    const QFileInfo info(m_filePath);
    const QString folder = info.absolutePath();
    if (!FileTrust::makePrivateFolder(folder)) {
        result.error = tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    if (const QString why = whyFolderUnusable(); !why.isEmpty()) {
        result.error = why;
        return result;
    }
    FileLock lock(m_filePath);
    result.error = lock.take(kLockWait);
    if (!result.error.isEmpty())
        return result;

    // What another copy added since this one last looked is kept.
    Result current = read();
    if (!current.ok)
        return current;
    QList<FinishedTest> results = current.results;
    results.append(test);
    if (results.size() > kMaxResults)
        results.remove(0, results.size() - kMaxResults);
    const QByteArray bytes = toBytes(results);

    if (const QString why = writeFileWhole(m_filePath, bytes, WholeFileMode::OwnerOnly); !why.isEmpty()) {
        result.error = why;
        return result;
    }
    result.ok = true;
    result.results = results;
    return result;
}

ResultHistory::Result ResultHistory::setAside() const
{
    Result result;
    FileLock lock(m_filePath);
    result.error = lock.take(kLockWait);
    if (!result.error.isEmpty())
        return result;
    const QFileInfo info(m_filePath);
    if (!info.exists() && !info.isSymLink()) {
        result.ok = true;
        return result;
    }
    const QString stem = info.dir().filePath(info.completeBaseName());
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1; n <= 100; ++n) {
        const QString name = n == 1
            ? QStringLiteral("%1 (set aside)%2").arg(stem, suffix)
            : QStringLiteral("%1 (set aside %2)%3").arg(stem, QString::number(n), suffix);
        const QFileInfo candidate(name);
        if (candidate.exists() || candidate.isSymLink())
            continue;
        const int error = renameNoReplace(m_filePath, name);
        if (error == 0) {
            result.ok = true;
            result.setAsidePath = name;
            return result;
        }
        if (error != EEXIST) {
            result.error = systemErrorText(error);
            return result;
        }
    }
    result.error = tr("Every name for setting it aside is taken already.");
    return result;
}

} // namespace palmora
