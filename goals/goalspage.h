#pragma once

#include "common/environment.h"
#include "goals/goalnotes.h"

#include <QGroupBox>

#include <array>
#include <memory>

class QCheckBox;
class QPushButton;

namespace Ui {
class GoalsPage;
}

namespace palmora {

class LimitedTextEdit;

// The "Goal" section: two goal notes, each kept in a text file of its own. A note
// can be edited while its box is ticked and is written back by its "Save" button.
class GoalsPage : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kNoteCount = GoalNotes::kNoteCount;

    // Shows the notes as GoalNotes::load() left them. A note that could not be
    // read shows empty with the reason in its place, and is not saved while
    // that file is there.
    explicit GoalsPage(GoalNotes notes, QWidget *parent = nullptr);
    ~GoalsPage() override;

    // Writes note n (1 or 2) to its file. On failure a message names the file and
    // the reason; the text stays in the box and the old file stays whole.
    bool saveNote(int n);

    // Whether a note was changed since it was shown or saved; changes undone
    // back to that point do not count.
    bool hasUnsavedChanges() const;

    // Whether typed text would be lost if the window closed now. When it
    // would, asks whether to save it first (Save, Discard, Cancel); false when
    // the user chose to stay, or a save failed, with the focus back in the note.
    bool closeWithoutLoss();

signals:
    void backToMainRequested();

private:
    struct NoteControls {
        QCheckBox *checkBox = nullptr;
        LimitedTextEdit *edit = nullptr;
        QPushButton *saveButton = nullptr;
        // The text was set whole since it was shown or saved, as a screen reader
        // may set it; the document does not count that as a change.
        bool setWhole = false;
    };

    static bool isUnsaved(const NoteControls &goal);
    void showNotes();
    void setNoteEditable(int n);
    NoteControls &controls(int n) { return m_controls[static_cast<std::size_t>(n - 1)]; }

    std::unique_ptr<Ui::GoalsPage> ui;
    GoalNotes m_notes;
    std::array<NoteControls, kNoteCount> m_controls;
};

} // namespace palmora
