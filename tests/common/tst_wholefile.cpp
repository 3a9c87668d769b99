#include "common/wholefile.h"

#include "filebytes.h"
#include "filesizelimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/file.h>
#include <sys/stat.h>

#include <optional>

using namespace palmora;

class TstWholeFile : public QObject {
    Q_OBJECT

private slots:
    void writesWholeOrLeavesTheOldFile_data();
    void writesWholeOrLeavesTheOldFile();
    void clearsWhatKilledWritersLeft_data();
    void clearsWhatKilledWritersLeft();
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
    QTest::newRow("a link is replaced, not written through")
        << Before::LinkToFile << qint64(0) << true << 0600;
    QTest::newRow("full disk leaves the old file") << Before::File << qint64(4096) << false << 0640;
    QTest::newRow("a folder is not replaced") << Before::Folder << qint64(0) << false << 0;
}

// Whatever happens, the path holds either the old contents or the new ones, the
// file behind a link is never touched, and no scratch file stays behind.
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
        why = writeFileWhole(path, bytes);
    }
    QCOMPARE(why.isEmpty(), written);

    if (written)
        QCOMPARE(testing::readAllBytes(path), bytes);
    else if (before == Before::File)
        QCOMPARE(testing::readAllBytes(path), old);
    else
        QVERIFY(QFileInfo(path).isDir());
    if (modeAfter != 0) {
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(int(modeOf(path)), modeAfter);
    }
    QCOMPARE(testing::readAllBytes(elsewhere), old);
    const QStringList left =
        QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, (QStringList {QStringLiteral("elsewhere"), QStringLiteral("results")}));
}

void TstWholeFile::clearsWhatKilledWritersLeft_data()
{
    // A file named as a writer names its new file, and what became of that writer.
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("killed") << "killed" << true;
    QTest::newRow("another writing it") << "writing" << false;
    QTest::newRow("another that has just made it") << "making" << false;
}

void TstWholeFile::clearsWhatKilledWritersLeft()
{
    QFETCH(QString, writer);
    QFETCH(bool, cleared);
    QTemporaryDir root;
    QFile other(root.filePath(QStringLiteral("results.Xq3ab9")));
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write("half a file") > 0);
    const QDateTime changed = QDateTime::currentDateTime().addSecs(writer == u"making" ? 0 : -5);
    QVERIFY(other.setFileTime(changed, QFileDevice::FileModificationTime));
    QVERIFY(writer != u"writing" || ::flock(other.handle(), LOCK_EX | LOCK_NB) == 0);

    QVERIFY(writeFileWhole(root.filePath(QStringLiteral("results")), "whole").isEmpty());
    QCOMPARE(other.exists(), !cleared);
}

QTEST_GUILESS_MAIN(TstWholeFile)
#include "tst_wholefile.moc"
