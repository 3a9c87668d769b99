#include "goals/goalnotes.h"

#include "goals/goalfolder.h"

#include <QFileInfo>

namespace palmora {

namespace {

// A link that leads nowhere holds nothing that a save could destroy.
bool somethingExistsAt(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

GoalNotes::Note unloadedNote(const QString &folder, int number)
{
    return {GoalFile(folder, number), GoalFile(folder, number), QString(), QString(), false};
}

} // namespace

GoalNotes::GoalNotes(const GoalFolders &folders)
    : m_folders(folders)
    , m_notes {unloadedNote(folders.saveFolder, 1), unloadedNote(folders.saveFolder, 2)}
{
}

void GoalNotes::load()
{
    // Both files are found or made before either is read.
    std::array<QString, kNoteCount> createErrors;
    for (std::size_t i = 0; i < m_notes.size(); ++i) {
        Note &note = m_notes[i];
        const GoalNotePlace place = placeOfNote(m_folders, note.file.fileName());
        note.file = GoalFile(place.saveFolder, note.file.number());
        note.source = GoalFile(place.readFolder, note.file.number());
        // Making never replaces anything; it fills a gap or a link that leads nowhere.
        if (place.readFolder == place.saveFolder)
            createErrors[i] = note.file.createIfMissing().error;
    }

    for (std::size_t i = 0; i < m_notes.size(); ++i) {
        Note &note = m_notes[i];
        const GoalResult result = note.source.read();
        note.text = result.text;
        note.readError.clear();
        note.unreadFileExists = false;
        if (result.ok)
            continue;
        const bool exists = somethingExistsAt(note.source.path());
        note.unreadFileExists = exists;
        // A file that could not be made is explained by why it could not.
        note.readError = !exists && !createErrors[i].isEmpty() ? createErrors[i] : result.error;
        if (note.source.path().isEmpty() && !m_folders.problem.isEmpty())
            note.readError = m_folders.problem;
    }
}

GoalResult GoalNotes::save(int n, const QString &text)
{
    Note &note = m_notes.at(static_cast<std::size_t>(n - 1));
    // Saving elsewhere would not destroy an unreadable note, but would hide it
    // behind the new copy for good.
    if (note.unreadFileExists && somethingExistsAt(note.source.path()))
        return {Outcome::failed(note.readError), {}, true};
    if (GoalResult written = note.file.write(text); !written.ok) {
        if (note.file.path().isEmpty() && !m_folders.problem.isEmpty())
            written.error = m_folders.problem;
        return written;
    }
    note.source = note.file;
    note.text = text;
    note.readError.clear();
    note.unreadFileExists = false;
    return {Outcome::done(), {}, false};
}

} // namespace palmora
