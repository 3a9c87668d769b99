#include "record/resulthistory.h"

#include "common/filelock.h"
#include "common/filetrust.h"
#include "common/wholefile.h"
#include "record/testkinds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <optional>

namespace palmora {

namespace {

// What marks a file as ours, and the layout this code writes. The first
// version kept whether a test asked the topics missed before; the second keeps
// how its topics were chosen and each question.
constexpr char kFormat[] = "palmora-test-results";
constexpr int kFirstVersion = 1;
constexpr int kVersion = 2;

QByteArray toBytes(const QList<FinishedTest> &results)
{
    QJsonArray list;
    for (const FinishedTest &test : results) {
        QJsonObject entry {
            {QStringLiteral("finished"), test.finished.toUTC().toString(Qt::ISODate)},
            {QStringLiteral("kind"), TestKinds::key(test.mode)},
            {QStringLiteral("choice"), TestKinds::key(test.topicChoice)},
            {QStringLiteral("score"), test.score},
            {QStringLiteral("questions"), test.questionCount},
        };
        if (!test.asked.isEmpty()) {
            QJsonArray asked;
            for (const AskedTopic &question : test.asked)
                asked.append(QJsonObject {{QStringLiteral("topic"), question.topic},
                                          {QStringLiteral("right"), question.right}});
            entry.insert(QStringLiteral("asked"), asked);
        }
        list.append(entry);
    }
    const QJsonObject file {
        {QStringLiteral("format"), QLatin1String(kFormat)},
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("results"), list},
    };
    // One line: a hundred results with their questions stay small.
    return QJsonDocument(file).toJson(QJsonDocument::Compact);
}

// A whole number, or -1 for anything else (a fraction, a text, out of range).
int wholeNumber(const QJsonValue &value)
{
    const int number = value.toInt(-1);
    return value.isDouble() && value.toDouble() == number ? number : -1;
}

// The questions kept with a result; none when they are not all there and sound.
std::optional<QList<AskedTopic>> askedFrom(const QJsonValue &value, const FinishedTest &test)
{
    if (value.isUndefined())
        return QList<AskedTopic> {};
    const QJsonArray entries = value.toArray();
    if (!value.isArray() || entries.size() != test.questionCount)
        return std::nullopt;
    QList<AskedTopic> asked;
    int right = 0;
    for (const auto &entry : entries) {
        const int topic = wholeNumber(entry.toObject().value(QStringLiteral("topic")));
        const QJsonValue answered = entry.toObject().value(QStringLiteral("right"));
        if (topic < 0 || topic >= TopicCatalogue::kTopicCount || !answered.isBool())
            return std::nullopt;
        asked.append({static_cast<TopicIndex>(topic), answered.toBool()});
        right += answered.toBool() ? 1 : 0;
    }
    if (right != test.score)
        return std::nullopt;
    return asked;
}

std::optional<FinishedTest> resultFrom(const QJsonValue &value, int version)
{
    const QJsonObject entry = value.toObject();
    const std::optional<TestMode> mode =
        TestKinds::fromKey<TestMode>(entry.value(QStringLiteral("kind")).toString());
    std::optional<TopicChoice> choice;
    if (version == kFirstVersion) {
        const QJsonValue missed = entry.value(QStringLiteral("missedTopicsOnly"));
        if (missed.isBool())
            choice = missed.toBool() ? TopicChoice::Missed : TopicChoice::Drawn;
    } else {
        choice = TestKinds::fromKey<TopicChoice>(entry.value(QStringLiteral("choice")).toString());
    }
    FinishedTest test;
    test.finished = QDateTime::fromString(entry.value(QStringLiteral("finished")).toString(), Qt::ISODate);
    if (!value.isObject() || !test.finished.isValid() || !mode || !choice)
        return std::nullopt;
    test.mode = *mode;
    test.topicChoice = *choice;
    test.score = wholeNumber(entry.value(QStringLiteral("score")));
    test.questionCount = wholeNumber(entry.value(QStringLiteral("questions")));
    const bool countFits = test.topicChoice == TopicChoice::Drawn
        ? test.questionCount == kQuestionCount
        : test.questionCount >= 1 && test.questionCount <= kQuestionCount;
    if (!countFits || test.score < 0 || test.score > test.questionCount)
        return std::nullopt;
    const QJsonValue asked = entry.value(QStringLiteral("asked"));
    if (version == kFirstVersion && !asked.isUndefined())
        return std::nullopt;
    std::optional<QList<AskedTopic>> questions = askedFrom(asked, test);
    if (!questions)
        return std::nullopt;
    test.asked = std::move(*questions);
    return test;
}

// The colons outside strings: one for each member of every object.
qsizetype colonsOutsideStrings(const QByteArray &bytes)
{
    qsizetype colons = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (escaped)
            escaped = false;
        else if (inString && c == '\\')
            escaped = true;
        else if (c == '"')
            inString = !inString;
        else if (!inString && c == ':')
            ++colons;
    }
    return colons;
}

qsizetype memberCount(const QJsonValue &value)
{
    qsizetype count = 0;
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        count += object.size();
        for (const auto &member : object)
            count += memberCount(member);
    } else if (value.isArray()) {
        const QJsonArray entries = value.toArray();
        for (const auto &entry : entries)
            count += memberCount(entry);
    }
    return count;
}

// The results in the file's bytes, or why they are none of ours.
ResultHistory::Result fromBytes(const QByteArray &bytes)
{
    ResultHistory::Result result;
    QJsonParseError parseError {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    const QJsonObject file = document.object();
    // Of a name given twice the parser keeps the last: the results under the
    // first would be lost on the next write.
    if (parseError.error != QJsonParseError::NoError || !document.isObject()
        || colonsOutsideStrings(bytes) != memberCount(file)
        || file.value(QStringLiteral("format")).toString() != QLatin1String(kFormat)) {
        result.error = ResultHistory::tr("It is damaged, or it is not a file of test results.");
        return result;
    }
    const int version = file.value(QStringLiteral("version")).toInt(-1);
    if (version != kFirstVersion && version != kVersion) {
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
        const std::optional<FinishedTest> test = resultFrom(entries.at(i), version);
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
    const FileTrust::Verdict verdict = FileTrust::judge(m_filePath, FileTrust::Expect::File, true);
    if (verdict.why.isEmpty() && !verdict.exists) {
        result.ok = true;
        return result;
    }
    result.fileUnusable = true;
    if (!verdict.why.isEmpty()) {
        result.error = verdict.why;
        return result;
    }
    const WholeFileRead file = readFileWhole(verdict.end, kMaxFileBytes);
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
    FileLock lock(FileLock::besideFile(m_filePath));
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

    if (const Outcome written = writeFileWhole(m_filePath, bytes); !written.ok) {
        result.error = written.error;
        return result;
    }
    result.ok = true;
    result.results = results;
    return result;
}

ResultHistory::Result ResultHistory::setAside() const
{
    Result result;
    FileLock lock(FileLock::besideFile(m_filePath));
    result.error = lock.take(kLockWait);
    if (!result.error.isEmpty())
        return result;
    if (const QString why = whyFolderUnusable(); !why.isEmpty()) {
        result.error = why;
        return result;
    }
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
        // QFile never renames over a file that is there.
        QFile file(m_filePath);
        if (!file.rename(name)) {
            result.error = file.errorString();
            return result;
        }
        result.ok = true;
        result.setAsidePath = name;
        return result;
    }
    result.error = tr("Every name for setting it aside is taken already.");
    return result;
}

} // namespace palmora
