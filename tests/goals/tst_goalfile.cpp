#include "goals/goalfile.h"
#include "goals/goalfolder.h"
#include "goals/goalnotes.h"

#include "filebytes.h"
#include "filesizelimit.h"
#include "ordinaryuser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using palmora::GoalFile;
using palmora::GoalResult;

using palmora::testing::readAllBytes;
using palmora::testing::writeAllBytes;

namespace {

// True when the file system refuses writes to a read-only folder for this
// process (it does not for root with its usual privileges).
bool permissionsAreEnforced(const QString &scratchFolder)
{
    const QString probeFolder = QDir(scratchFolder).filePath(QStringLiteral("probe"));
    QDir().mkpath(probeFolder);
    QFile::setPermissions(probeFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(QDir(probeFolder).filePath(QStringLiteral("x")));
    const bool refused = !probe.open(QIODevice::WriteOnly);
    probe.remove();
    QFile::setPermissions(probeFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir(probeFolder).removeRecursively();
    return refused;
}

} // namespace

class TstGoalFile : public QObject {
    Q_OBJECT

private slots:
    void textFromBytes_data();
    void textFromBytes();
    void bytesFromText_data();
    void bytesFromText();
    void fileRoundTrip_data();
    void fileRoundTrip();
    void noteRoundTrip_data();
    void noteRoundTrip();
    void windows1252();

    void neverReplacesWhatExists_data();
    void neverReplacesWhatExists();
    void danglingLinkIsAMissingNote();
    void notePlace_data();
    void notePlace();
    void createFailsWithoutFolder();

    void refusesWhatIsNotANote_data();
    void refusesWhatIsNotANote();

    void writeReplacesWholeFile();
    void failedWriteLeavesOldFile();

    void goalFolderChoice();
    void notesNeverLiveWhereOthersCanChangeThem_data();
    void notesNeverLiveWhereOthersCanChangeThem();
    void dataFolderOthersCanChange_data();
    void dataFolderOthersCanChange();
    void anotherAccountsNotesArePassedOver();
};

void TstGoalFile::textFromBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("new file") << QByteArray("This is Goal 1.\r\n") << QStringLiteral("This is Goal 1.");
    QTest::newRow("one empty line") << QByteArray("\r\n") << QString();
    QTest::newRow("CR LF lines") << QByteArray("one\r\ntwo\r\n") << QStringLiteral("one\ntwo");
    QTest::newRow("empty last line") << QByteArray("one\r\n\r\n") << QStringLiteral("one\n");
    QTest::newRow("no end on last line") << QByteArray("one\r\ntwo") << QStringLiteral("one\ntwo");
    QTest::newRow("lone CR") << QByteArray("one\rtwo\r") << QStringLiteral("one\ntwo");
    QTest::newRow("lone LF") << QByteArray("one\ntwo\n") << QStringLiteral("one\ntwo");
    QTest::newRow("mixed ends") << QByteArray("a\r\n\rb\n\nc") << QStringLiteral("a\n\nb\n\nc");
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("tabs and spaces kept") << QByteArray("\t a \t\r\n") << QStringLiteral("\t a \t");
    QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac \xe2\x9c\x8b\r\n")
                           << QStringLiteral(u"Café € ✋");
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfPalm\r\n") << QStringLiteral("Palm");
    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80 \x93life line\x94\r\n")
                                  << QStringLiteral(u"Café € “life line”");
    QTest::newRow("UTF-8 cut short") << QByteArray("abc\xc3") << QStringLiteral(u"abcÃ");
    QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n\0", 6) << QStringLiteral(u"a\uFFFDb\n\uFFFD");
}

void TstGoalFile::textFromBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(palmora::goalTextFromBytes(bytes), text);
}

void TstGoalFile::bytesFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty note") << QString() << QByteArray("\r\n");
    QTest::newRow("default sentence")
        << QStringLiteral("This is Goal 2.") << QByteArray("This is Goal 2.\r\n");
    QTest::newRow("spaces trimmed") << QStringLiteral("   read palms   ") << QByteArray("read palms\r\n");
    QTest::newRow("only spaces") << QStringLiteral("    ") << QByteArray("\r\n");
    QTest::newRow("tabs at the ends stay") << QStringLiteral("\t word \t") << QByteArray("\t word \t\r\n");
    QTest::newRow("breaks at the ends stay") << QStringLiteral(" \n a \n ") << QByteArray("\r\n a \r\n\r\n");
    QTest::newRow("inner spaces stay") << QStringLiteral("a  b\n  c") << QByteArray("a  b\r\n  c\r\n");
    QTest::newRow("pasted CR LF and CR") << QStringLiteral("a\r\nb\rc") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("editor separators") << QStringLiteral(u"a\u2029b\u2028c") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("no-break space is not a space")
        << QStringLiteral(u"\u00a0x\u00a0") << QByteArray("\xc2\xa0x\xc2\xa0\r\n");
    QTest::newRow("any character") << QStringLiteral(u"Ω ✋ 手相")
                                   << QByteArray("\xce\xa9 \xe2\x9c\x8b \xe6\x89\x8b\xe7\x9b\xb8\r\n");
}

void TstGoalFile::bytesFromText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(palmora::goalBytesFromText(text), bytes);
}

void TstGoalFile::fileRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("default") << QByteArray("This is Goal 1.\r\n");
    QTest::newRow("one empty line") << QByteArray("\r\n");
    QTest::newRow("several lines") << QByteArray("Head line\r\n\tHeart line\r\n\r\nFate\r\n");
    QTest::newRow("empty lines at the end") << QByteArray("x\r\n\r\n\r\n");
    QTest::newRow("empty lines at the start") << QByteArray("\r\n\r\nx\r\n");
    QTest::newRow("UTF-8") << QByteArray("\xe6\x89\x8b\xe7\x9b\xb8 \xc2\xa0\r\n");
}

// A file in the program's own format comes back byte for byte.
void TstGoalFile::fileRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QByteArray current = bytes;
    for (int round = 0; round < 3; ++round) {
        current = palmora::goalBytesFromText(palmora::goalTextFromBytes(current));
        QCOMPARE(current, bytes);
    }
}

void TstGoalFile::noteRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("one line") << QStringLiteral("Study the life line");
    QTest::newRow("trailing break") << QStringLiteral("a\n");
    QTest::newRow("only breaks") << QStringLiteral("\n\n");
    QTest::newRow("tabs at the ends") << QStringLiteral("\tx\t");
    QTest::newRow("spaces next to breaks") << QStringLiteral("a \n b");
    QTest::newRow("unicode") << QStringLiteral(u"Ω ✋ €");
}

// Whatever a note holds (without spaces at its ends) is what the next start shows.
void TstGoalFile::noteRoundTrip()
{
    QFETCH(QString, text);
    QCOMPARE(palmora::goalTextFromBytes(palmora::goalBytesFromText(text)), text);
}

void TstGoalFile::windows1252()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    // Not UTF-8 (byte 0x80 stands alone): read as Windows-1252, where NUL shows
    // as U+FFFD and a lone CR ends a line, as in any note.
    const QString text = palmora::goalTextFromBytes(all);
    QCOMPARE(text.size(), 256);
    for (int b = 0; b < 256; ++b) {
        if (b >= 0x80 && b <= 0x9f)
            continue;
        QCOMPARE(text.at(b).unicode(), b == 0 ? char16_t(0xFFFD) : b == 0x0d ? char16_t(0x0a) : char16_t(b));
    }
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x8a), QChar(0x0160));
    QCOMPARE(text.at(0x99), QChar(0x2122));
    QCOMPARE(text.at(0x9f), QChar(0x0178));
    // Undefined in the code page: kept as the C1 control of the same value.
    QCOMPARE(text.at(0x81), QChar(0x0081));
    QCOMPARE(text.at(0x9d), QChar(0x009D));
}

void TstGoalFile::neverReplacesWhatExists_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("diskFull"); // instead: nothing there, and no room at the first start
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("user's note") << QByteArray("mine\r\n") << false;
    QTest::newRow("odd bytes") << QByteArray("\0\xff", 2) << false;
    QTest::newRow("disk full at the first start, made whole at the next")
        << QByteArray("This is Goal 1.\r\n") << true;
}

void TstGoalFile::neverReplacesWhatExists()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, diskFull);
    QTemporaryDir folder;
    const GoalFile file(folder.path(), 1);
    if (diskFull) {
        const palmora::testing::FileSizeLimit limit(8);
        QVERIFY(limit.isActive());
        QVERIFY(!file.createIfMissing().ok);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    } else {
        writeAllBytes(file.path(), bytes);
    }
    QVERIFY(file.createIfMissing().ok);
    QCOMPARE(readAllBytes(file.path()), bytes);

    // A folder in the file's place is left alone too.
    const GoalFile second(folder.path(), 2);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Goal2.txt")));
    second.createIfMissing();
    QVERIFY(QFileInfo(second.path()).isDir());
}

void TstGoalFile::danglingLinkIsAMissingNote()
{
    QTemporaryDir folder;
    // A link to a file that is not there yet: the default is made where it points.
    const GoalFile linked(folder.path(), 1);
    const QString end = folder.filePath(QStringLiteral("notes/mine.txt"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("notes")));
    QVERIFY(QFile::link(end, linked.path()));
    QVERIFY(linked.createIfMissing().ok);
    QVERIFY(QFileInfo(linked.path()).isSymLink());
    QCOMPARE(readAllBytes(end), QByteArray("This is Goal 1.\r\n"));
    QCOMPARE(linked.read().text, QStringLiteral("This is Goal 1."));

    // A link into a folder that is gone: neither making nor saving can write, and
    // both say why in the same words.
    const GoalFile broken(folder.path(), 2);
    const QString nowhere = folder.filePath(QStringLiteral("gone/Goal2.txt"));
    QVERIFY(QFile::link(nowhere, broken.path()));
    const GoalResult created = broken.createIfMissing();
    const GoalResult written = broken.write(QStringLiteral("text"));
    QVERIFY(!created.ok);
    QVERIFY(!written.ok);
    for (const QString &error : {created.error, written.error})
        QVERIFY2(error.startsWith(QStringLiteral("It is a link to %1").arg(nowhere)), qPrintable(error));
    QVERIFY(QFileInfo(broken.path()).isSymLink());
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("gone"))));

    // Links that lead round in a circle, to themselves or to each other, lead
    // nowhere too: a save does not replace one of them with a file.
    QTemporaryDir loops;
    const GoalFile self(loops.path(), 1);
    const GoalFile pair(loops.path(), 2);
    const QString other = loops.filePath(QStringLiteral("other.txt"));
    QVERIFY(QFile::link(self.path(), self.path()));
    QVERIFY(QFile::link(other, pair.path()));
    QVERIFY(QFile::link(pair.path(), other));
    for (const GoalFile &looping : {self, pair}) {
        const GoalResult created = looping.createIfMissing();
        const GoalResult written = looping.write(QStringLiteral("text"));
        QVERIFY(!created.ok);
        QVERIFY(!written.ok);
        for (const QString &error : {created.error, written.error})
            QVERIFY2(error.contains(QStringLiteral("is a link that cannot be followed")), qPrintable(error));
        QVERIFY(QFileInfo(looping.path()).isSymLink());
    }
    QVERIFY(QFileInfo(other).isSymLink());
    QCOMPARE(QDir(loops.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                 .size(),
             3);
}

void TstGoalFile::notesNeverLiveWhereOthersCanChangeThem_data()
{
    QTest::addColumn<QString>("program"); // who may write the program's folder
    QTest::addColumn<bool>("home"); // whether the notes live there
    QTest::newRow("the user's alone") << QStringLiteral("private") << true;
    QTest::newRow("everybody's, sticky like /tmp") << QStringLiteral("sticky") << false;
    QTest::newRow("everybody's") << QStringLiteral("shared") << false;
    QTest::newRow("another user's") << QStringLiteral("foreign") << false;
    // Anybody could swap the folder for a link after start-up.
    QTest::newRow("the user's alone, in a folder everybody may write") << QStringLiteral("swapped") << false;
}

// A copy run from a folder others can write, or from another user's folder,
// keeps its notes in the user's data folder: there nobody else can read them, or
// plant a link beforehand that a save would follow.
void TstGoalFile::notesNeverLiveWhereOthersCanChangeThem()
{
    QFETCH(QString, program);
    QFETCH(bool, home);
    if (program == QLatin1String("foreign") && ::geteuid() != 0)
        QSKIP("Only root can give a folder to another user");

    QTemporaryDir root;
    const QString programFolder = root.filePath(QStringLiteral("shared/program"));
    const QString dataFolder = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(programFolder));
    const QByteArray shared = QFile::encodeName(root.filePath(QStringLiteral("shared")));
    QVERIFY(::chmod(shared.constData(), program == QLatin1String("swapped") ? 0777 : 0755) == 0);
    // A file of the user's that another user wants shown and overwritten.
    const QString victim = root.filePath(QStringLiteral("secret.txt"));
    writeAllBytes(victim, "private\r\n");
    QVERIFY(QFile::link(victim, QDir(programFolder).filePath(QStringLiteral("Goal2.txt"))));
    const QMap<QString, mode_t> modes {{QStringLiteral("private"), 0700},
                                       {QStringLiteral("sticky"), 01777},
                                       {QStringLiteral("shared"), 0777},
                                       {QStringLiteral("foreign"), 0755},
                                       {QStringLiteral("swapped"), 0700}};
    QVERIFY(::chmod(QFile::encodeName(programFolder).constData(), modes[program]) == 0);
    if (program == QLatin1String("foreign"))
        QVERIFY(::chown(QFile::encodeName(programFolder).constData(), 65534, 65534) == 0);

    const palmora::GoalFolders folders = palmora::chooseGoalFolders(programFolder, dataFolder);
    QCOMPARE(folders.saveFolder, home ? programFolder : dataFolder);
    palmora::GoalNotes notes(folders);
    notes.load();
    QCOMPARE(notes.note(2).text, home ? QStringLiteral("private") : QStringLiteral("This is Goal 2."));
    // The folder swapped for a link to a folder of the user's.
    const QString mine = root.filePath(QStringLiteral("Goal1.txt"));
    if (program == QLatin1String("swapped")) {
        writeAllBytes(mine, "the user's own\r\n");
        QVERIFY(QDir().rename(programFolder, programFolder + QStringLiteral(".old")));
        QVERIFY(QFile::link(root.path(), programFolder));
    }
    for (int n = 1; n <= 2; ++n)
        QVERIFY(notes.save(n, QStringLiteral("mine %1").arg(n)).ok);
    QCOMPARE(readAllBytes(victim), home ? QByteArray("mine 2\r\n") : QByteArray("private\r\n"));
    if (home)
        return;
    if (program == QLatin1String("swapped"))
        QCOMPARE(readAllBytes(mine), QByteArray("the user's own\r\n"));
    else
        QVERIFY(!QFileInfo::exists(QDir(programFolder).filePath(QStringLiteral("Goal1.txt"))));
    // Notes made by the program are their owner's alone.
    for (const QString &name : {QStringLiteral("Goal1.txt"), QStringLiteral("Goal2.txt")}) {
        const QString made = QDir(dataFolder).filePath(name);
        QCOMPARE(readAllBytes(made), QStringLiteral("mine %1\r\n").arg(name.at(4)).toLatin1());
        struct stat info { };
        QVERIFY(::stat(QFile::encodeName(made).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 07777, mode_t {0600});
    }
}

void TstGoalFile::notePlace_data()
{
    // Which folders hold a Goal1.txt before the start, whether home is the
    // program folder (a portable copy) or the data folder (the program folder
    // cannot be written), and where the note is then read from and saved to.
    QTest::addColumn<bool>("portable");
    QTest::addColumn<bool>("inProgram");
    QTest::addColumn<bool>("inData");
    QTest::addColumn<QString>("readFrom");
    QTest::addColumn<QString>("saveTo");
    QTest::addColumn<bool>("isNew");
    QTest::newRow("portable, note beside the program") << true << true << false << "program"
                                                       << "program" << false;
    QTest::newRow("portable, the data copy wins") << true << true << true << "data"
                                                  << "data" << false;
    QTest::newRow("portable, no note yet") << true << false << false << "program"
                                           << "program" << true;
    QTest::newRow("read-only folder keeps showing its note") << false << true << false << "program"
                                                             << "data" << false;
    QTest::newRow("read-only folder, the saved copy wins") << false << true << true << "data"
                                                           << "data" << false;
    QTest::newRow("read-only folder, no note yet") << false << false << false << "data"
                                                   << "data" << true;
}

void TstGoalFile::notePlace()
{
    QFETCH(bool, portable);
    QFETCH(bool, inProgram);
    QFETCH(bool, inData);
    QFETCH(QString, readFrom);
    QFETCH(QString, saveTo);
    QFETCH(bool, isNew);
    QTemporaryDir root;
    const QMap<QString, QString> folder {
        {QStringLiteral("program"), root.filePath(QStringLiteral("program"))},
        {QStringLiteral("data"), root.filePath(QStringLiteral("data"))}};
    for (const QString &path : folder)
        QVERIFY(QDir().mkpath(path));
    if (inProgram)
        writeAllBytes(folder[QStringLiteral("program")] + QStringLiteral("/Goal1.txt"), "old\r\n");
    if (inData)
        writeAllBytes(folder[QStringLiteral("data")] + QStringLiteral("/Goal1.txt"), "new\r\n");

    const palmora::GoalFolders folders {folder[portable ? QStringLiteral("program") : QStringLiteral("data")],
                                        folder[QStringLiteral("program")],
                                        folder[QStringLiteral("data")],
                                        {}};
    const palmora::GoalNotePlace place = palmora::placeOfNote(folders, QStringLiteral("Goal1.txt"));
    QCOMPARE(place.readFolder, folder[readFrom]);
    QCOMPARE(place.saveFolder, folder[saveTo]);
    QCOMPARE(place.isNew, isNew);
}

void TstGoalFile::createFailsWithoutFolder()
{
    QTemporaryDir folder;
    const GoalFile missingFolder(folder.filePath(QStringLiteral("gone")), 1);
    const GoalResult missing = missingFolder.createIfMissing();
    QVERIFY(!missing.ok);
    QVERIFY(!missing.error.isEmpty());

    const GoalFile noFolder(QString(), 1);
    QVERIFY(noFolder.path().isEmpty());
    const GoalResult none = noFolder.createIfMissing();
    QVERIFY(!none.ok);
    QVERIFY(!none.error.isEmpty());
    QVERIFY(!noFolder.read().ok);
    QVERIFY(!noFolder.write(QStringLiteral("x")).ok);
}

void TstGoalFile::refusesWhatIsNotANote_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("pipe") << QStringLiteral("pipe");
    QTest::newRow("too large") << QStringLiteral("large");
    QTest::newRow("a link into a folder others can change") << QStringLiteral("shared link");
}

void TstGoalFile::refusesWhatIsNotANote()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    const GoalFile file(folder.path(), 1);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(folder.path()).mkdir(file.fileName()));
    else if (kind == QLatin1String("pipe"))
        QVERIFY(palmora::testing::makeFifo(file.path()));
    else if (kind == QLatin1String("large"))
        writeAllBytes(file.path(), QByteArray(30003, 'x'));
    QTemporaryDir shared;
    const QString target = shared.filePath(QStringLiteral("goal.txt"));
    if (kind == QLatin1String("shared link")) {
        writeAllBytes(target, "theirs\r\n");
        QVERIFY(QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7777)));
        QVERIFY(QFile::link(target, file.path()));
    }

    // A pipe must not block the read: reaching the next line is the check.
    const GoalResult result = file.read();
    QVERIFY(!result.ok);
    QVERIFY(result.text.isEmpty());
    QVERIFY(!result.error.isEmpty());
    if (kind == QLatin1String("shared link")) {
        QVERIFY2(result.error.contains(shared.path()), qPrintable(result.error));
        QVERIFY(!file.write(QStringLiteral("mine")).ok);
        QCOMPARE(readAllBytes(target), QByteArray("theirs\r\n"));
    }
}

void TstGoalFile::writeReplacesWholeFile()
{
    QTemporaryDir folder;
    const GoalFile file(folder.path(), 2);
    writeAllBytes(file.path(), QByteArray("a much longer old note\r\nwith two lines\r\n"));
    const GoalResult written = file.write(QStringLiteral("  new\tnote  "));
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(readAllBytes(file.path()), QByteArray("new\tnote\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {file.fileName()});
}

void TstGoalFile::failedWriteLeavesOldFile()
{
    QTemporaryDir folder;
    const GoalFile file(folder.path(), 1);
    const QByteArray old("old note\r\n");
    writeAllBytes(file.path(), old);

    GoalResult written;
    {
        palmora::testing::FileSizeLimit limit(64);
        QVERIFY(limit.isActive());
        written = file.write(QString(1000, QLatin1Char('z')));
    }
    QVERIFY(!written.ok);
    QVERIFY(!written.error.isEmpty());
    QCOMPARE(readAllBytes(file.path()), old);
    // No half-written temporary file is left beside the note.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {file.fileName()});
}

void TstGoalFile::goalFolderChoice()
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("program"));
    const QString user = root.filePath(QStringLiteral("user/data/palmora"));
    QVERIFY(QDir().mkpath(program));

    QCOMPARE(palmora::chooseGoalFolders(program, user).saveFolder, QDir::cleanPath(program));
    QVERIFY(!QFileInfo::exists(user));

    // A program folder that is gone (or cannot be written) gives way to the
    // per-user folder, made on the spot.
    QCOMPARE(palmora::chooseGoalFolders(root.filePath(QStringLiteral("missing")), user).saveFolder,
             QDir::cleanPath(user));
    QVERIFY(QFileInfo(user).isDir());

    QCOMPARE(palmora::chooseGoalFolders(QString(), QString()).saveFolder, QString());

    // An installed copy keeps its notes per user, even where root could write
    // into the program's folder.
    if (QFileInfo(QStringLiteral("/usr/bin")).isWritable())
        QCOMPARE(palmora::chooseGoalFolders(QStringLiteral("/usr/bin"), user).saveFolder,
                 QDir::cleanPath(user));

    if (permissionsAreEnforced(root.path())) {
        const QFileDevice::Permissions before = QFile::permissions(program);
        QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString chosen = palmora::chooseGoalFolders(program, user).saveFolder;
        QFile::setPermissions(program, before);
        QCOMPARE(chosen, QDir::cleanPath(user));
    }
}

void TstGoalFile::dataFolderOthersCanChange_data()
{
    QTest::addColumn<uint>("parentMode");
    QTest::addColumn<uint>("dataMode");
    QTest::addColumn<bool>("othersMadeIt");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("planted"); // a link to a folder of the user's in the data folder's place
    QTest::newRow("the user's own, group-writable (umask 002)") << 0775U << 0775U << false << true << "";
    QTest::newRow("everybody may write the data folder") << 0755U << 0777U << false << false << "";
    QTest::newRow("not made yet, in a folder everybody may write") << 0777U << 0U << false << false << "";
    QTest::newRow("made by another user in a sticky folder") << 01777U << 0777U << true << false << "";
    QTest::newRow("a link to the user's folder, in a folder everybody may write")
        << 0777U << 0700U << false << false << "link";
    QTest::newRow("a link to the user's folder, where a second member of a group may write")
        << 0775U << 0700U << true << false << "link, group";
}

// A data folder another user can change (XDG_DATA_HOME in a shared place) may
// hold their links: nothing is read, made or saved there, and the notes say why.
void TstGoalFile::dataFolderOthersCanChange()
{
    QFETCH(uint, parentMode);
    QFETCH(uint, dataMode);
    QFETCH(bool, othersMadeIt);
    QFETCH(bool, kept);
    QFETCH(QString, planted);
    if (othersMadeIt && ::geteuid() != 0)
        QSKIP("Only root can give a folder to another user or group");

    QTemporaryDir root;
    const QString parent = root.filePath(QStringLiteral("shared"));
    const QString data = QDir(parent).filePath(QStringLiteral("palmora"));
    const QString own = root.filePath(QStringLiteral("own"));
    const QString victim = planted.isEmpty() ? root.filePath(QStringLiteral("precious.txt"))
                                             : QDir(own).filePath(QStringLiteral("Goal1.txt"));
    QVERIFY(QDir().mkpath(parent) && QDir().mkpath(own));
    writeAllBytes(victim, "precious\r\n");
    if (!planted.isEmpty()) {
        QVERIFY(QFile::link(own, data));
        // A group the user shares with another user, as nogroup stands for.
        QVERIFY(!planted.endsWith(QLatin1String("group"))
                || ::chown(QFile::encodeName(parent).constData(), ::geteuid(), 65534) == 0);
    } else if (dataMode != 0) {
        QVERIFY(QDir().mkdir(data));
        QVERIFY(QFile::link(victim, QDir(data).filePath(QStringLiteral("Goal1.txt"))));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("planted.txt")),
                            QDir(data).filePath(QStringLiteral("Goal2.txt"))));
        QVERIFY(::chmod(QFile::encodeName(data).constData(), dataMode) == 0);
        if (othersMadeIt)
            QVERIFY(::lchown(QFile::encodeName(data).constData(), 65534, 65534) == 0);
    }
    QVERIFY(::chmod(QFile::encodeName(parent).constData(), parentMode) == 0);

    const palmora::GoalFolders folders = palmora::chooseGoalFolders(QString(), data);
    palmora::GoalNotes notes(folders);
    notes.load();
    QCOMPARE(folders.saveFolder.isEmpty(), !kept);
    QCOMPARE(folders.problem.isEmpty(), kept);
    const GoalResult saved = notes.save(1, QStringLiteral("mine"));
    QCOMPARE(readAllBytes(victim), kept ? QByteArray("mine\r\n") : QByteArray("precious\r\n"));
    QCOMPARE(QFileInfo::exists(root.filePath(QStringLiteral("planted.txt"))), kept);
    if (kept)
        return;
    QCOMPARE(notes.note(1).text, QString());
    QCOMPARE(notes.note(1).readError, folders.problem);
    QVERIFY(!saved.ok && !saved.refused);
    QCOMPARE(saved.error, folders.problem);
    QVERIFY(saved.error.contains(QDir::toNativeSeparators(data)));
    QCOMPARE(QFileInfo::exists(data), dataMode != 0);
}

// Notes another account left beside the program (a run as root, mode 600) are
// none of the user's: the user's own are made, shown and saved in their data
// folder, and the other account's stay as they are.
void TstGoalFile::anotherAccountsNotesArePassedOver()
{
    if (::geteuid() != 0)
        QSKIP("Only root can leave another account's notes and act as another user");
    QTemporaryDir root;
    QVERIFY(::chmod(QFile::encodeName(root.path()).constData(), 0755) == 0);
    const QString programFolder = root.filePath(QStringLiteral("program"));
    const QString dataFolder = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkdir(programFolder) && QDir().mkdir(dataFolder));
    const QString roots = QDir(programFolder).filePath(QStringLiteral("Goal1.txt"));
    writeAllBytes(roots, "root's\r\n");
    QVERIFY(QFile::setPermissions(roots, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    {
        const palmora::testing::OrdinaryUser user({dataFolder});
        QVERIFY(user.isOrdinary());
        palmora::GoalNotes notes(palmora::chooseGoalFolders(programFolder, dataFolder));
        notes.load();
        QCOMPARE(notes.note(1).text, QStringLiteral("This is Goal 1."));
        QCOMPARE(notes.note(1).readError, QString());
        QVERIFY(notes.save(1, QStringLiteral("mine")).ok);
        QCOMPARE(readAllBytes(QDir(dataFolder).filePath(QStringLiteral("Goal1.txt"))),
                 QByteArray("mine\r\n"));
    }
    QCOMPARE(readAllBytes(roots), QByteArray("root's\r\n"));
}

QTEST_GUILESS_MAIN(TstGoalFile)
#include "tst_goalfile.moc"
