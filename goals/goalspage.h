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

    // Shows the notes as they are; notes not loaded yet, loadNotes() loads.
    explicit GoalsPage(GoalNotes notes, QWidget *parent = nullptr);
    ~GoalsPage() override;

    // Creates missing goal files with their default sentence and shows what the
    // files hold. A file that cannot be read leaves its note empty and start-up
    // goes on; the reason is given when the user tries to save that note.
    void loadNotes();

    // Writes note n (1 or 2) to its file. On failure a message names the file and
    // the reason; the text stays in the box and the old file stays whole.
    bool saveNote(int n);

    // Whether a note holds typed text that is not saved.
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
        // Changed since it was shown or saved, by typing or by a screen reader.
        bool edited = false;
    };

    void showNotes();
    void setNoteEditable(int n);
    NoteControls &controls(int n) { return m_controls[static_cast<std::size_t>(n - 1)]; }

    std::unique_ptr<Ui::GoalsPage> ui;
    GoalNotes m_notes;
    std::array<NoteControls, kNoteCount> m_controls;
};

} // namespace palmora
