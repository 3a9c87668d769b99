#include "goals/goalfile.h"
#include "goals/goalspage.h"

#include "filebytes.h"
#include "filesizelimit.h"
#include "messagerecorder.h"
#include "ordinaryuser.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

using palmora::GoalFolders;
using palmora::GoalNotes;
using palmora::GoalsPage;
using palmora::MessageBox;
using palmora::testing::MessageRecorder;

using palmora::testing::readAllBytes;
using palmora::testing::writeAllBytes;

namespace {

// The controls of one note, found the way a user sees them: by name.
struct Note {
    QCheckBox *checkBox;
    QPlainTextEdit *edit;
    QPushButton *saveButton;
};

Note noteOf(const GoalsPage &page, int n)
{
    return {page.findChild<QCheckBox *>(QStringLiteral("goal%1CheckBox").arg(n)),
            page.findChild<QPlainTextEdit *>(QStringLiteral("goal%1Edit").arg(n)),
            page.findChild<QPushButton *>(QStringLiteral("goal%1SaveButton").arg(n))};
}

void clickSave(const GoalsPage &page, int n)
{
    const Note note = noteOf(page, n);
    if (!note.checkBox->isChecked())
        QTest::mouseClick(note.checkBox, Qt::LeftButton);
    QVERIFY(note.saveButton->isEnabled());
    QTest::mouseClick(note.saveButton, Qt::LeftButton);
}

// The notes as the main window reads them at start-up.
GoalNotes loadedNotes(const GoalFolders &folders)
{
    GoalNotes notes(folders);
    notes.load();
    return notes;
}

// A freshly started section, as the main window builds it.
std::unique_ptr<GoalsPage> startPage(const QString &folder)
{
    auto page = std::make_unique<GoalsPage>(loadedNotes(GoalFolders {folder, {}, {}, {}}));
    page->show();
    return page;
}

} // namespace

class TstGoalsPage : public QObject {
    Q_OBJECT

private slots:
    void firstStart();
    void existingFilesAreKept();
    void tickEnablesOnlyItsOwnNote_data();
    void tickEnablesOnlyItsOwnNote();
    void savingUneditedNoteKeepsFile_data();
    void savingUneditedNoteKeepsFile();
    void typedNoteSurvivesRestart();
    void failedSaveKeepsTextAndOldFile_data();
    void failedSaveKeepsTextAndOldFile();
    void unreadableFileDoesNotStopStartUp_data();
    void unreadableFileDoesNotStopStartUp();
    void missingFolder();
    void badBytesLoad_data();
    void badBytesLoad();
    void notesOutsideAWritableFolderStayVisible();
    void danglingLinkNote();
    void typingAndPastingStopAtTheBound();
    void tabMovesOnFromANote();
    void backToMain();
};

void TstGoalsPage::firstStart()
{
    QTemporaryDir folder;
    MessageRecorder messages;
    const auto page = startPage(folder.path());

    for (int n = 1; n <= 2; ++n) {
        QCOMPARE(readAllBytes(folder.filePath(QStringLiteral("Goal%1.txt").arg(n))),
                 QStringLiteral("This is Goal %1.\r\n").arg(n).toLatin1());
        const Note note = noteOf(*page, n);
        QCOMPARE(note.edit->toPlainText(), QStringLiteral("This is Goal %1.").arg(n));
        QVERIFY(!note.checkBox->isChecked());
        QVERIFY(!note.edit->isEnabled());
        QVERIFY(!note.saveButton->isEnabled());
    }
    QCOMPARE(messages.count(), 0);
}

void TstGoalsPage::existingFilesAreKept()
{
    QTemporaryDir folder;
    writeAllBytes(folder.filePath(QStringLiteral("Goal1.txt")), QByteArray());
    writeAllBytes(folder.filePath(QStringLiteral("Goal2.txt")), QByteArray("Mine\r\n"));
    const auto page = startPage(folder.path());

    QCOMPARE(readAllBytes(folder.filePath(QStringLiteral("Goal1.txt"))), QByteArray());
    QCOMPARE(readAllBytes(folder.filePath(QStringLiteral("Goal2.txt"))), QByteArray("Mine\r\n"));
    QCOMPARE(noteOf(*page, 1).edit->toPlainText(), QString());
    QCOMPARE(noteOf(*page, 2).edit->toPlainText(), QStringLiteral("Mine"));
}

void TstGoalsPage::tickEnablesOnlyItsOwnNote_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("Goal 1") << 1;
    QTest::newRow("Goal 2") << 2;
}

void TstGoalsPage::tickEnablesOnlyItsOwnNote()
{
    QFETCH(int, n);
    QTemporaryDir folder;
    const auto page = startPage(folder.path());
    const Note own = noteOf(*page, n);
    const Note other = noteOf(*page, 3 - n);

    QTest::mouseClick(own.checkBox, Qt::LeftButton);
    QVERIFY(own.checkBox->isChecked());
    QVERIFY(own.edit->isEnabled());
    QVERIFY(own.saveButton->isEnabled());
    QVERIFY(!other.edit->isEnabled());
    QVERIFY(!other.saveButton->isEnabled());

    own.edit->setFocus();
    own.edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(own.edit, QStringLiteral(" edited"));

    // Unticking locks the note again without saving it; the edit stays on screen.
    QTest::mouseClick(own.checkBox, Qt::LeftButton);
    QVERIFY(!own.edit->isEnabled());
    QVERIFY(!own.saveButton->isEnabled());
    QCOMPARE(own.edit->toPlainText(), QStringLiteral("This is Goal %1. edited").arg(n));
    QCOMPARE(readAllBytes(folder.filePath(QStringLiteral("Goal%1.txt").arg(n))),
             QStringLiteral("This is Goal %1.\r\n").arg(n).toLatin1());
    QVERIFY(!other.checkBox->isChecked());
}

void TstGoalsPage::savingUneditedNoteKeepsFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("default") << QByteArray("This is Goal 1.\r\n");
    QTest::newRow("several lines") << QByteArray("Hand shapes\r\n\tEarth\r\n\r\nNails\r\n");
    QTest::newRow("empty last line") << QByteArray("x\r\n\r\n");
    QTest::newRow("no-break spaces and UTF-8") << QByteArray("\xc2\xa0\xe6\x89\x8b \xe2\x82\xac\r\n");
}

// Loading and saving again, however often, writes the same bytes.
void TstGoalsPage::savingUneditedNoteKeepsFile()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeAllBytes(path, bytes);
    MessageRecorder messages;

    for (int start = 0; start < 3; ++start) {
        const auto page = startPage(folder.path());
        clickSave(*page, 1);
        clickSave(*page, 1);
        QCOMPARE(readAllBytes(path), bytes);
    }
    QCOMPARE(messages.count(), 0);
}

void TstGoalsPage::typedNoteSurvivesRestart()
{
    QTemporaryDir folder;
    {
        const auto page = startPage(folder.path());
        const Note note = noteOf(*page, 2);
        QTest::mouseClick(note.checkBox, Qt::LeftButton);
        note.edit->setFocus();
        note.edit->selectAll();
        QTest::keyClicks(note.edit, QStringLiteral("  Learn"));
        // Tab moves on from a note, so a tab arrives pasted.
        note.edit->insertPlainText(QStringLiteral("\t"));
        QTest::keyClicks(note.edit, QStringLiteral("the mounts"));
        QTest::keyClick(note.edit, Qt::Key_Return);
        QTest::keyClicks(note.edit, QStringLiteral("and the Girdle of Venus "));
        // Characters beyond Latin-1 arrive from an input method, not as key codes.
        note.edit->insertPlainText(QStringLiteral(u"✋"));
        QTest::keyClicks(note.edit, QStringLiteral("  "));
        QTest::mouseClick(note.saveButton, Qt::LeftButton);
        // Typing undone back to the saved text leaves nothing unsaved; text a
        // screen reader sets whole is unsaved.
        QTest::keyClicks(note.edit, QStringLiteral("more"));
        QVERIFY(page->hasUnsavedChanges());
        QTest::keyClick(note.edit, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!page->hasUnsavedChanges());
        QAccessible::queryAccessibleInterface(note.edit)->setText(QAccessible::Value, QStringLiteral("x"));
        QVERIFY(page->hasUnsavedChanges());
    }
    QCOMPARE(readAllBytes(folder.filePath(QStringLiteral("Goal2.txt"))),
             QByteArray("Learn\tthe mounts\r\nand the Girdle of Venus \xe2\x9c\x8b\r\n"));
    QCOMPARE(readAllBytes(folder.filePath(QStringLiteral("Goal1.txt"))), QByteArray("This is Goal 1.\r\n"));

    const auto restarted = startPage(folder.path());
    QCOMPARE(noteOf(*restarted, 2).edit->toPlainText(),
             QStringLiteral(u"Learn\tthe mounts\nand the Girdle of Venus ✋"));
}

void TstGoalsPage::failedSaveKeepsTextAndOldFile_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("disk full") << QStringLiteral("full");
    QTest::newRow("read-only folder") << QStringLiteral("folder");
    QTest::newRow("read-only file") << QStringLiteral("file");
}

void TstGoalsPage::failedSaveKeepsTextAndOldFile()
{
    QFETCH(QString, cause);
    QTemporaryDir folder;
    // Root writes through read-only permissions: the row runs as a user.
    const palmora::testing::OrdinaryUser user({folder.path()});
    QVERIFY(user.isOrdinary());
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    const auto page = startPage(folder.path());
    const Note note = noteOf(*page, 1);
    QTest::mouseClick(note.checkBox, Qt::LeftButton);
    const QString longNote(4000, QLatin1Char('p'));
    note.edit->setPlainText(longNote);

    const QString locked = cause == QLatin1String("folder") ? folder.path() : path;
    const QFileDevice::Permissions before = QFile::permissions(locked);
    MessageRecorder messages;
    if (cause == QLatin1String("full")) {
        palmora::testing::FileSizeLimit limit(100);
        QVERIFY(limit.isActive());
        QTest::mouseClick(note.saveButton, Qt::LeftButton);
    } else {
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QTest::mouseClick(note.saveButton, Qt::LeftButton);
        QVERIFY(QFile::setPermissions(locked, before));
    }
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QCOMPARE(messages.last().title, QStringLiteral("Palmora"));
    QVERIFY2(messages.last().text.contains(QDir::toNativeSeparators(path)), qPrintable(messages.last().text));
    QCOMPARE(readAllBytes(path), QByteArray("This is Goal 1.\r\n"));
    QCOMPARE(note.edit->toPlainText(), longNote);
    QVERIFY(note.saveButton->isEnabled());

    // Once the cause is gone the same click saves.
    QTest::mouseClick(note.saveButton, Qt::LeftButton);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(readAllBytes(path), longNote.toLatin1() + "\r\n");
}

void TstGoalsPage::unreadableFileDoesNotStopStartUp_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder in its place") << QStringLiteral("folder");
    QTest::newRow("too large to be a note") << QStringLiteral("large");
    // Within the byte bound, but one character longer than a note may be.
    QTest::newRow("one character too long") << QStringLiteral("long");
}

// The other note still loads; saving over a file that could not be shown is
// refused with a message, so what the file holds is not lost.
void TstGoalsPage::unreadableFileDoesNotStopStartUp()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    const QByteArray large = kind == QLatin1String("long") ? QByteArray(10001, 'x') : QByteArray(30012, 'x');
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Goal1.txt")));
    else
        writeAllBytes(path, large);

    MessageRecorder messages;
    const auto page = startPage(folder.path());
    QCOMPARE(messages.count(), 0);
    const Note note = noteOf(*page, 1);
    QCOMPARE(note.edit->toPlainText(), QString());
    QVERIFY(note.edit->placeholderText().contains(QStringLiteral("Goal1.txt")));
    if (kind != QLatin1String("folder"))
        QVERIFY2(note.edit->placeholderText().contains(QStringLiteral("10000")),
                 qPrintable(note.edit->placeholderText()));
    QCOMPARE(noteOf(*page, 2).edit->toPlainText(), QStringLiteral("This is Goal 2."));

    QTest::mouseClick(note.checkBox, Qt::LeftButton);
    QTest::keyClicks(note.edit, QStringLiteral("new goal"));
    QTest::mouseClick(note.saveButton, Qt::LeftButton);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QVERIFY(messages.last().text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(note.edit->toPlainText(), QStringLiteral("new goal"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(QFileInfo(path).size(), large.size());

    // With the file moved out of the way the note saves.
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(folder.path()).rmdir(QStringLiteral("Goal1.txt")));
    else
        QVERIFY(QFile::rename(path, path + QStringLiteral(".old")));
    QTest::mouseClick(note.saveButton, Qt::LeftButton);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(readAllBytes(path), QByteArray("new goal\r\n"));
}

// A goal folder that cannot be used leaves both notes empty; start-up goes on and
// a save says what went wrong.
void TstGoalsPage::missingFolder()
{
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("gone"));
    MessageRecorder messages;
    const auto page = startPage(folder);
    QCOMPARE(messages.count(), 0);
    for (int n = 1; n <= 2; ++n) {
        QCOMPARE(noteOf(*page, n).edit->toPlainText(), QString());
        QVERIFY(!noteOf(*page, n).edit->placeholderText().isEmpty());
    }
    clickSave(*page, 2);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().icon, MessageBox::Icon::Critical);
    QVERIFY(messages.last().text.contains(
        QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("Goal2.txt")))));
    QVERIFY(!QFileInfo::exists(folder));
}

void TstGoalsPage::badBytesLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x93goal\x94\r\n") << QStringLiteral(u"Café “goal”")
                                  << QByteArray("Caf\xc3\xa9 \xe2\x80\x9cgoal\xe2\x80\x9d\r\n");
    QTest::newRow("lone CR") << QByteArray("one\rtwo\r") << QStringLiteral("one\ntwo")
                             << QByteArray("one\r\ntwo\r\n");
    QTest::newRow("lone LF") << QByteArray("one\ntwo") << QStringLiteral("one\ntwo")
                             << QByteArray("one\r\ntwo\r\n");
    QTest::newRow("NUL bytes") << QByteArray("a\0\0b", 4) << QStringLiteral(u"a\uFFFD\uFFFDb")
                               << QByteArray("a\xef\xbf\xbd\xef\xbf\xbd"
                                             "b\r\n");

    // One byte for each character a note may hold: read as Windows-1252.
    QByteArray binary(10000, Qt::Uninitialized);
    QRandomGenerator generator(7);
    for (char &byte : binary)
        byte = static_cast<char>(generator.bounded(256));
    QTest::newRow("binary, as long as a note may be") << binary << QString() << QByteArray();
}

void TstGoalsPage::badBytesLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QByteArray, saved);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeAllBytes(path, bytes);

    MessageRecorder messages;
    const auto page = startPage(folder.path());
    const Note note = noteOf(*page, 1);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(readAllBytes(path), bytes);
    if (shown.isEmpty()) {
        QVERIFY(note.edit->toPlainText().size() > bytes.size() / 2);
        return;
    }
    QCOMPARE(note.edit->toPlainText(), shown);

    // Saved back in the program's own format: UTF-8, every line ended by CR LF.
    clickSave(*page, 1);
    QCOMPARE(readAllBytes(path), saved);
    QCOMPARE(palmora::goalTextFromBytes(readAllBytes(path)), shown);
}

void TstGoalsPage::notesOutsideAWritableFolderStayVisible()
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("program"));
    const QString data = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(program));
    QVERIFY(QDir().mkpath(data));
    const QString oldNote = program + QStringLiteral("/Goal1.txt");
    writeAllBytes(oldNote, "My own goal\r\n");
    // The program folder is read-only, as on read-only media; the notes' home is
    // then the data folder.
    QFile::setPermissions(program,
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                              | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const palmora::GoalFolders readOnly {data, program, data, {}};

    MessageRecorder messages;
    {
        GoalsPage page {loadedNotes(readOnly)};
        QCOMPARE(noteOf(page, 1).edit->toPlainText(), QStringLiteral("My own goal"));
        QCOMPARE(noteOf(page, 2).edit->toPlainText(), QStringLiteral("This is Goal 2."));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Goal1.txt")));
        QVERIFY(QFileInfo::exists(data + QStringLiteral("/Goal2.txt")));

        noteOf(page, 1).edit->setPlainText(QStringLiteral("My own goal, longer"));
        clickSave(page, 1);
    }
    QCOMPARE(messages.count(), 0);
    QCOMPARE(readAllBytes(data + QStringLiteral("/Goal1.txt")), QByteArray("My own goal, longer\r\n"));
    QCOMPARE(readAllBytes(oldNote), QByteArray("My own goal\r\n"));
    QCOMPARE(QDir(program).entryList(QDir::Files), QStringList {QStringLiteral("Goal1.txt")});

    // Writable again, the program folder is home once more; what was saved
    // meanwhile is still what the user sees.
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::WriteOwner);
    GoalsPage page {loadedNotes(GoalFolders {program, program, data, QString()})};
    QCOMPARE(noteOf(page, 1).edit->toPlainText(), QStringLiteral("My own goal, longer"));
    QCOMPARE(noteOf(page, 2).edit->toPlainText(), QStringLiteral("This is Goal 2."));
}

void TstGoalsPage::danglingLinkNote()
{
    QTemporaryDir folder;
    const QString nowhere = folder.filePath(QStringLiteral("gone/Goal1.txt"));
    QVERIFY(QFile::link(nowhere, folder.filePath(QStringLiteral("Goal1.txt"))));
    MessageRecorder messages;
    const auto page = startPage(folder.path());
    const Note note = noteOf(*page, 1);
    QCOMPARE(note.edit->toPlainText(), QString());
    QVERIFY2(note.edit->placeholderText().contains(QStringLiteral("It is a link to %1").arg(nowhere)),
             qPrintable(note.edit->placeholderText()));

    QTest::mouseClick(note.checkBox, Qt::LeftButton);
    QTest::keyClicks(note.edit, QStringLiteral("kept"));
    QTest::mouseClick(note.saveButton, Qt::LeftButton);
    QCOMPARE(messages.count(), 1);
    const QString told = messages.last().text;
    QVERIFY2(told.startsWith(QStringLiteral("Goal 1 could not be saved")), qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral("It is a link to %1").arg(nowhere)), qPrintable(told));
    QCOMPARE(note.edit->toPlainText(), QStringLiteral("kept"));
}

// A note is never longer than a note may be, however the text comes in: the
// key, paste or line break that would take it past the bound is refused whole,
// with a message naming the bound, and the text stays as it was.
void TstGoalsPage::typingAndPastingStopAtTheBound()
{
    QTemporaryDir folder;
    const auto page = startPage(folder.path());
    const Note note = noteOf(*page, 1);
    QTest::mouseClick(note.checkBox, Qt::LeftButton);
    // About four printed pages.
    constexpr int bound = 10000;
    QCOMPARE(palmora::GoalFile::kMaxCharacters, bound);
    note.edit->setPlainText(QString(bound - 3, QLatin1Char('m')));
    note.edit->moveCursor(QTextCursor::End);
    MessageRecorder messages;
    const auto refused = [&](int count) {
        QCOMPARE(messages.count(), count);
        QVERIFY2(messages.last().text.contains(QString::number(bound)), qPrintable(messages.last().text));
    };

    QTest::keyClicks(note.edit, QStringLiteral("ab"));
    QCOMPARE(messages.count(), 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("xy"));
    note.edit->paste();
    refused(1);
    QTest::keyClick(note.edit, Qt::Key_Return);
    QTest::keyClick(note.edit, Qt::Key_C);
    refused(2);
    // Text from an input method is held to the bound as typed keys are.
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral(u"é"));
    QApplication::sendEvent(note.edit, &composed);
    refused(3);
    QCOMPARE(note.edit->toPlainText().size(), bound);
    QVERIFY(note.edit->toPlainText().endsWith(QStringLiteral("mab\n")));

    // What replaces a selection may take its room.
    QTest::keyClick(note.edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(note.edit, Qt::Key_Left, Qt::ShiftModifier);
    note.edit->paste();
    QCOMPARE(messages.count(), 3);
    QCOMPARE(note.edit->toPlainText(), QString(bound - 3, QLatin1Char('m')) + QStringLiteral("axy"));

    QTest::mouseClick(note.saveButton, Qt::LeftButton);
    QCOMPARE(messages.count(), 3);
    QCOMPARE(readAllBytes(folder.filePath(QStringLiteral("Goal1.txt"))),
             note.edit->toPlainText().toLatin1() + "\r\n");
}

// Tab leaves a note for its Save button and Shift+Tab goes back; the note, tabs
// it already holds included, is as it was.
void TstGoalsPage::tabMovesOnFromANote()
{
    QTemporaryDir folder;
    writeAllBytes(folder.filePath(QStringLiteral("Goal2.txt")), "\tx\tThis is Goal 2.\r\n");
    const auto page = startPage(folder.path());
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));
    const Note note = noteOf(*page, 2);
    QTest::mouseClick(note.checkBox, Qt::LeftButton);
    note.edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(note.edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(note.edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), note.saveButton);
    QTest::keyClick(note.saveButton, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), note.edit);
    QCOMPARE(note.edit->toPlainText(), QStringLiteral("\tx\tThis is Goal 2."));
}

void TstGoalsPage::backToMain()
{
    QTemporaryDir folder;
    const auto page = startPage(folder.path());
    QSignalSpy back(page.get(), &GoalsPage::backToMainRequested);
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("backToMainButton")), Qt::LeftButton);
    QCOMPARE(back.count(), 1);
}

QTEST_MAIN(TstGoalsPage)
#include "tst_goalspage.moc"
