#pragma once

#include "common/environment.h"
#include "goals/goalfile.h"

#include <QString>

#include <array>

namespace palmora {

// The two goal notes: where each is read from and saved to, what it held when it
// was loaded, and why it could not be read. Loading happens once at start-up,
// before anything shows the notes.
class GoalNotes {
public:
    static constexpr int kNoteCount = 2;

    struct Note {
        // Where the note is saved, and where it was read from: the same file,
        // unless the note was found in a folder the program cannot write.
        GoalFile file;
        GoalFile source;
        QString text;
        // Why the note could not be read; empty when it was.
        QString readError;
        // Set when what could not be read is a file that exists: saving over it
        // would destroy what it holds, so the note is not saved while this is set.
        bool unreadFileExists = false;
    };

    explicit GoalNotes(const GoalFolders &folders);

    // Creates missing goal files with their default sentence and reads both. A
    // file that cannot be read leaves its note empty, with the reason.
    void load();

    // n is 1 or 2.
    const Note &note(int n) const { return m_notes.at(static_cast<std::size_t>(n - 1)); }

    // Writes note n; the old file stays whole when this fails. From a successful
    // save on, the saved copy holds the note. Refused while the note's file
    // could not be read and still exists.
    GoalResult save(int n, const QString &text);

private:
    GoalFolders m_folders;
    std::array<Note, kNoteCount> m_notes;
};

} // namespace palmora
