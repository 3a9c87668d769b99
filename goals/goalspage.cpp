#include "goals/goalspage.h"

#include "ui_goalspage.h"

#include "ui/fontfit.h"
#include "ui/limitedtextedit.h"
#include "ui/messagebox.h"
#include "ui/palmorastyle.h"
#include "ui/theme.h"

#include <QDir>
#include <QTextDocument>

#include <algorithm>

namespace palmora {

GoalsPage::GoalsPage(GoalNotes notes, QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::GoalsPage>())
    , m_notes(std::move(notes))
{
    ui->setupUi(this);
    PalmoraStyle::markSectionFrame(this);
    Theme::setPointSize(ui->backToMainButton, 9.75);

    m_controls = {NoteControls {ui->goal1CheckBox, ui->goal1Edit, ui->goal1SaveButton},
                  NoteControls {ui->goal2CheckBox, ui->goal2Edit, ui->goal2SaveButton}};
    for (int n = 1; n <= kNoteCount; ++n) {
        const NoteControls &goal = controls(n);
        Theme::setPointSize(goal.checkBox, 9.75);
        Theme::setColors(goal.checkBox, Theme::kNavy);
        fitButtonText(*goal.checkBox);
        Theme::setPointSize(goal.saveButton, 8.25);
        Theme::setColors(goal.edit, Theme::kPurple, Theme::kLightCyan);
        // Screen readers tell the two notes and their buttons apart by these.
        goal.edit->setAccessibleName(tr("Goal %1 note").arg(n));
        goal.saveButton->setAccessibleName(tr("Save Goal %1").arg(n));
        // A note past the bound would make every keystroke lay out a long text again.
        goal.edit->setFitCheck(&GoalFile::fits);
        // Tab moves on to the note's Save button, as in every other text box;
        // tabs already in a note are kept as they are.
        goal.edit->setTabChangesFocus(true);
        goal.edit->setChecksTyping(true);
        connect(goal.edit, &LimitedTextEdit::insertRefused, this, [this, n] {
            MessageBox::critical(this,
                                 tr("A goal note can hold up to %1 characters. What you typed or pasted "
                                    "would take Goal %2 past that, so it was not added.")
                                     .arg(GoalFile::kMaxCharacters)
                                     .arg(n));
            controls(n).edit->setFocus();
        });
        // The document keeps count of typing, and of undoing it, but not of text
        // set whole, as a screen reader may set it: only that leaves nothing to
        // undo or redo.
        connect(goal.edit, &QPlainTextEdit::textChanged, this, [this, n] {
            const QTextDocument *document = controls(n).edit->document();
            if (!document->isUndoAvailable() && !document->isRedoAvailable())
                controls(n).setWhole = true;
        });
        connect(goal.checkBox, &QCheckBox::toggled, this, [this, n] { setNoteEditable(n); });
        connect(goal.saveButton, &QPushButton::clicked, this, [this, n] { saveNote(n); });
    }
    connect(ui->backToMainButton, &QPushButton::clicked, this, &GoalsPage::backToMainRequested);
    showNotes();
}

GoalsPage::~GoalsPage() = default;

void GoalsPage::showNotes()
{
    for (int n = 1; n <= kNoteCount; ++n) {
        const GoalNotes::Note &note = m_notes.note(n);
        LimitedTextEdit *edit = controls(n).edit;
        edit->setPlainText(note.text);
        edit->document()->setModified(false);
        controls(n).setWhole = false;
        edit->setPlaceholderText(
            note.readError.isEmpty()
                ? QString()
                : tr("%1 could not be read: %2").arg(note.source.fileName(), note.readError));
    }
}

bool GoalsPage::saveNote(int n)
{
    if (n < 1 || n > kNoteCount)
        return false;
    const QString shownPath = QDir::toNativeSeparators(m_notes.note(n).source.path());

    // The raw text keeps non-breaking spaces, which the plain-text view turns
    // into ordinary ones; its paragraph separators become CR LF on the way out.
    const GoalResult saved = m_notes.save(n, controls(n).edit->document()->toRawText());
    if (saved.ok) {
        controls(n).edit->setPlaceholderText(QString());
        controls(n).edit->document()->setModified(false);
        controls(n).setWhole = false;
        return true;
    }
    if (saved.refused) {
        MessageBox::critical(this,
                             tr("Goal %1 was not saved.\n\n%2 could not be read when Palmora started: %3\n\n"
                                "Saving now would replace what that file holds. Your text is still here; "
                                "move or rename the file, then save again.")
                                 .arg(n)
                                 .arg(shownPath, saved.error));
        return false;
    }
    const QString savePath = QDir::toNativeSeparators(m_notes.note(n).file.path());
    const QString where = savePath.isEmpty() ? m_notes.note(n).file.fileName() : savePath;
    MessageBox::critical(this,
                         tr("Goal %1 could not be saved to %2.\n\n%3\n\n"
                            "The file was left as it was and your text is still here, "
                            "so you can try again.")
                             .arg(n)
                             .arg(where, saved.error));
    return false;
}

bool GoalsPage::hasUnsavedChanges() const
{
    return std::any_of(m_controls.cbegin(), m_controls.cend(), &GoalsPage::isUnsaved);
}

bool GoalsPage::isUnsaved(const NoteControls &goal)
{
    return goal.edit->document()->isModified() || goal.setWhole;
}

bool GoalsPage::closeWithoutLoss()
{
    QList<int> unsaved;
    for (int n = 1; n <= kNoteCount; ++n) {
        if (isUnsaved(controls(n)))
            unsaved.append(n);
    }
    if (unsaved.isEmpty())
        return true;
    const QString question = unsaved.size() == 1
        ? tr("Goal %1 has changes that are not saved.\n\nDo you want to save them before Palmora closes?")
              .arg(unsaved.first())
        : tr("Goal 1 and Goal 2 have changes that are not saved.\n\n"
             "Do you want to save them before Palmora closes?");
    switch (MessageBox::saveChanges(this, question)) {
    case MessageBox::Answer::Discard:
        return true;
    case MessageBox::Answer::Save:
        for (const int n : unsaved) {
            // A failed save has said why; the text stays, and so does the window.
            if (!saveNote(n)) {
                controls(n).edit->setFocus();
                return false;
            }
        }
        return true;
    default:
        controls(unsaved.first()).edit->setFocus();
        return false;
    }
}

void GoalsPage::setNoteEditable(int n)
{
    const NoteControls &goal = controls(n);
    const bool ticked = goal.checkBox->isChecked();
    goal.saveButton->setEnabled(ticked);
    goal.edit->setEnabled(ticked);
}

} // namespace palmora
