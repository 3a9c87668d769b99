#include "goals/goalspage.h"

#include "ui_goalspage.h"

#include "common/messagebox.h"
#include "common/theme.h"
#include "goals/goalfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace palmora {

namespace {

// A link that leads nowhere holds nothing that a save could destroy.
bool somethingExistsAt(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

} // namespace

GoalsPage::GoalsPage(const QString &goalFolder, QWidget *parent)
    : GoalsPage(GoalFolders {goalFolder, QString(), QString()}, parent)
{
}

GoalsPage::GoalsPage(const GoalFolders &folders, QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::GoalsPage>())
    , m_folders(folders)
    , m_notes {GoalNote {nullptr, nullptr, nullptr, GoalFile(folders.home, 1), GoalFile(folders.home, 1),
                         QString()},
               GoalNote {nullptr, nullptr, nullptr, GoalFile(folders.home, 2), GoalFile(folders.home, 2),
                         QString()}}
{
    ui->setupUi(this);
    Theme::styleSectionFrame(this);
    Theme::setPointSize(ui->backToMainButton, 9.75);

    note(1).checkBox = ui->goal1CheckBox;
    note(1).edit = ui->goal1Edit;
    note(1).saveButton = ui->goal1SaveButton;
    note(2).checkBox = ui->goal2CheckBox;
    note(2).edit = ui->goal2Edit;
    note(2).saveButton = ui->goal2SaveButton;
    for (int n = 1; n <= kNoteCount; ++n) {
        const GoalNote &goal = note(n);
        Theme::setPointSize(goal.checkBox, 9.75);
        Theme::setColors(goal.checkBox, Theme::kNavy);
        Theme::setPointSize(goal.saveButton, 8.25);
        Theme::setColors(goal.edit, Theme::kPurple, Theme::kLightCyan);
        // Screen readers tell the two notes and their buttons apart by these.
        goal.edit->setAccessibleName(tr("Goal %1 note").arg(n));
        goal.saveButton->setAccessibleName(tr("Save Goal %1").arg(n));
        connect(goal.checkBox, &QCheckBox::toggled, this, [this, n] { setNoteEditable(n); });
        connect(goal.saveButton, &QPushButton::clicked, this, [this, n] { saveNote(n); });
    }
    connect(ui->backToMainButton, &QPushButton::clicked, this, &GoalsPage::backToMainRequested);
}

GoalsPage::~GoalsPage() = default;

void GoalsPage::loadNotes()
{
    // Both files are found or made before either is read.
    std::array<QString, kNoteCount> createErrors;
    for (std::size_t i = 0; i < m_notes.size(); ++i) {
        GoalNote &goal = m_notes[i];
        const GoalNotePlace place = placeOfNote(m_folders, goal.file.fileName());
        goal.file = GoalFile(place.saveFolder, goal.file.number());
        goal.source = GoalFile(place.readFolder, goal.file.number());
        // Making never replaces anything; it fills a gap or a link that leads nowhere.
        if (place.readFolder == place.saveFolder)
            goal.file.createIfMissing(&createErrors[i]);
    }

    for (std::size_t i = 0; i < m_notes.size(); ++i) {
        GoalNote &goal = m_notes[i];
        const GoalFile::ReadResult result = goal.source.read();
        goal.edit->setPlainText(result.text);
        goal.unreadReason.clear();
        goal.edit->setPlaceholderText(QString());
        if (result.ok)
            continue;
        const bool exists = somethingExistsAt(goal.source.path());
        if (exists)
            goal.unreadReason = result.error;
        // A file that could not be made is explained by why it could not.
        const QString reason = !exists && !createErrors[i].isEmpty() ? createErrors[i] : result.error;
        goal.edit->setPlaceholderText(tr("%1 could not be read: %2").arg(goal.source.fileName(), reason));
    }
}

bool GoalsPage::saveNote(int n)
{
    if (n < 1 || n > kNoteCount)
        return false;
    GoalNote &goal = note(n);
    const QString shownPath = QDir::toNativeSeparators(goal.source.path());

    // Saving elsewhere would not destroy an unreadable note, but would hide it
    // behind the new copy for good.
    if (!goal.unreadReason.isEmpty() && somethingExistsAt(goal.source.path())) {
        MessageBox::critical(this,
                             tr("Goal %1 was not saved.\n\n%2 could not be read when Palmora started: %3\n\n"
                                "Saving now would replace what that file holds. Your text is still here; "
                                "move or rename the file, then save again.")
                                 .arg(n)
                                 .arg(shownPath, goal.unreadReason));
        return false;
    }

    // The raw text keeps non-breaking spaces, which the plain-text view turns
    // into ordinary ones; its paragraph separators become CR LF on the way out.
    QString error;
    if (!goal.file.write(goal.edit->document()->toRawText(), &error)) {
        const QString savePath = QDir::toNativeSeparators(goal.file.path());
        const QString where = savePath.isEmpty() ? goal.file.fileName() : savePath;
        MessageBox::critical(this,
                             tr("Goal %1 could not be saved to %2.\n\n%3\n\n"
                                "The file was left as it was and your text is still here, "
                                "so you can try again.")
                                 .arg(n)
                                 .arg(where, error));
        return false;
    }
    // From now on the saved copy holds the note.
    goal.source = goal.file;
    goal.unreadReason.clear();
    goal.edit->setPlaceholderText(QString());
    return true;
}

void GoalsPage::setNoteEditable(int n)
{
    GoalNote &goal = note(n);
    const bool ticked = goal.checkBox->isChecked();
    goal.saveButton->setEnabled(ticked);
    goal.edit->setEnabled(ticked);
}

} // namespace palmora
