#pragma once

#include "common/environment.h"
#include "goals/goalfile.h"

#include <QGroupBox>

#include <array>
#include <memory>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace Ui {
class GoalsPage;
}

namespace palmora {

// The "Goal" section: two goal notes, each kept in a text file of its own. A note
// can be edited while its box is ticked and is written back by its "Save" button.
class GoalsPage : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kNoteCount = 2;

    explicit GoalsPage(const GoalFolders &folders, QWidget *parent = nullptr);
    // Notes kept in one folder only.
    explicit GoalsPage(const QString &goalFolder, QWidget *parent = nullptr);
    ~GoalsPage() override;

    // Creates missing goal files with their default sentence and shows what the
    // files hold. A file that cannot be read leaves its note empty and start-up
    // goes on; the reason is given when the user tries to save that note.
    void loadNotes();

    // Writes note n (1 or 2) to its file. On failure a message names the file and
    // the reason; the text stays in the box and the old file stays whole.
    bool saveNote(int n);

signals:
    void backToMainRequested();

private:
    struct GoalNote {
        QCheckBox *checkBox = nullptr;
        QPlainTextEdit *edit = nullptr;
        QPushButton *saveButton = nullptr;
        // Where the note is saved, and where it was read from: the same file,
        // unless the note was found in a folder the program cannot write.
        GoalFile file;
        GoalFile source;
        // Why an existing file could not be shown; saving over it would destroy
        // what it holds, so the note is not saved while this is set.
        QString unreadReason;
    };

    void setNoteEditable(int n);
    GoalNote &note(int n) { return m_notes[static_cast<std::size_t>(n - 1)]; }

    std::unique_ptr<Ui::GoalsPage> ui;
    GoalFolders m_folders;
    std::array<GoalNote, kNoteCount> m_notes;
};

} // namespace palmora
