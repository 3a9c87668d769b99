#include "common/wholefile.h"

#include "filebytes.h"
#include "filesizelimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <optional>

using namespace palmora;

class TstWholeFile : public QObject {
    Q_OBJECT

private slots:
    void writesWholeOrLeavesTheOldFile_data();
    void writesWholeOrLeavesTheOldFile();
    void leavesWhatIsBesideIt_data();
    void leavesWhatIsBesideIt();
};

namespace {

enum class Before { Nothing, File, LinkToFile, Folder };

mode_t modeOf(const QString &path)
{
    struct stat info { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

} // namespace

void TstWholeFile::writesWholeOrLeavesTheOldFile_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<qint64>("sizeLimit"); // 0: none
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("modeAfter"); // of a file at the path, when one is there

    QTest::newRow("new file is the user's alone") << Before::Nothing << qint64(0) << true << 0600;
    QTest::newRow("replaced file keeps its permissions") << Before::File << qint64(0) << true << 0640;
    QTest::newRow("a link is written through, and stays") << Before::LinkToFile << qint64(0) << true << 0640;
    QTest::newRow("full disk leaves the old file") << Before::File << qint64(4096) << false << 0640;
    QTest::newRow("a folder is not replaced") << Before::Folder << qint64(0) << false << 0;
}

// Whatever happens, the path holds either the old contents or the new ones, a
// link stays and leads to them, and no scratch file stays behind.
void TstWholeFile::writesWholeOrLeavesTheOldFile()
{
    QFETCH(Before, before);
    QFETCH(qint64, sizeLimit);
    QFETCH(bool, written);
    QFETCH(int, modeAfter);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString path = root.filePath(QStringLiteral("results"));
    const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
    const QByteArray old("old contents\n");
    testing::writeAllBytes(elsewhere, old);
    switch (before) {
    case Before::Nothing:
        break;
    case Before::File:
        testing::writeAllBytes(path, old);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        break;
    case Before::LinkToFile:
        QVERIFY(::chmod(QFile::encodeName(elsewhere).constData(), 0640) == 0);
        QVERIFY(QFile::link(elsewhere, path));
        break;
    case Before::Folder:
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("results/inside")));
        break;
    }

    const QByteArray bytes(64 * 1024, 'n');
    QString why;
    {
        std::optional<testing::FileSizeLimit> limit;
        if (sizeLimit > 0) {
            limit.emplace(rlim_t(sizeLimit));
            QVERIFY(limit->isActive());
        }
        why = writeFileWhole(path, bytes).error;
    }
    QCOMPARE(why.isEmpty(), written);

    if (written)
        QCOMPARE(testing::readAllBytes(path), bytes);
    else if (before == Before::File)
        QCOMPARE(testing::readAllBytes(path), old);
    else
        QVERIFY(QFileInfo(path).isDir());
    if (modeAfter != 0)
        QCOMPARE(int(modeOf(QFileInfo(path).canonicalFilePath())), modeAfter);
    QCOMPARE(QFileInfo(path).isSymLink(), before == Before::LinkToFile);
    QCOMPARE(testing::readAllBytes(elsewhere), before == Before::LinkToFile ? bytes : old);
    const QStringList left =
        QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, (QStringList {QStringLiteral("elsewhere"), QStringLiteral("results")}));
}

void TstWholeFile::leavesWhatIsBesideIt_data()
{
    // Files of the user's named after the file, long untouched and held by nobody.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("beside");
    QTest::newRow("a note's backup") << "Goal1.txt"
                                     << "Goal1.txt.BACKUP";
    QTest::newRow("a report's draft") << "x.pdf"
                                      << "x.pdf.Draft2";
    QTest::newRow("a name like a scratch copy's") << "results"
                                                  << "results.Xq3ab9";
}

void TstWholeFile::leavesWhatIsBesideIt()
{
    QFETCH(QString, name);
    QFETCH(QString, beside);
    QTemporaryDir root;
    testing::writeAllBytes(root.filePath(beside), "the user's own");
    QFile other(root.filePath(beside));
    QVERIFY(
        other.open(QIODevice::Append)
        && other.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
    other.close();

    QVERIFY(writeFileWhole(root.filePath(name), "whole").ok);
    QVERIFY(writeFileWhole(root.filePath(name), "again").ok);
    QCOMPARE(testing::readAllBytes(other.fileName()), QByteArray("the user's own"));
}

QTEST_GUILESS_MAIN(TstWholeFile)
#include "tst_wholefile.moc"
