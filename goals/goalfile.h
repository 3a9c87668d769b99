#pragma once

#include "common/outcome.h"
#include "common/trimspaces.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace palmora {

// The text of a goal note and the bytes of its file.
//
// A goal file is a run of lines, each ending in CR LF, written in UTF-8. The note
// shows those lines joined by line breaks, without a break after the last one, so
// a note that is loaded and saved again writes the same bytes back and never
// gains an empty line.

// Reads goal file bytes as note text. Lines end at CR LF, a lone CR or a lone LF;
// a last line without an end still counts. Bytes that are not valid UTF-8 come
// from an older 8-bit file and are read as Windows-1252. NUL bytes, which a text
// box cannot hold, show as U+FFFD.
QString goalTextFromBytes(const QByteArray &bytes);

// Bytes to write for a note: the text with its leading and trailing spaces
// removed, each line ended by CR LF, in UTF-8.
QByteArray goalBytesFromText(const QString &noteText);

// What an operation on a goal note came to: done, or the reason it was not.
struct GoalResult : Outcome {
    // What a read found.
    QString text;
    // A save that was refused rather than tried: it would have replaced a note
    // that could not be read.
    bool refused = false;
};

// One goal note's file, "Goal1.txt" or "Goal2.txt" in the goal folder.
class GoalFile {
    Q_DECLARE_TR_FUNCTIONS(GoalFile)
public:
    // The most a note may hold, in characters (UTF-16 code units, a line break
    // counting one). A note is a few sentences, and 10,000 characters are about
    // four printed pages. The bound keeps the text box quick whatever the note:
    // laying out a line without spaces takes time that grows with the square of
    // its length, and one of this length opens in a few hundredths of a second,
    // where 250,000 characters took seconds and a few million minutes.
    static constexpr int kMaxCharacters = 10000;
    // The largest file a note within that bound is kept in: at most three bytes
    // of UTF-8 for each character, and the line end after the last line.
    static constexpr qint64 kMaxBytes = 3 * qint64 {kMaxCharacters} + 2;

    // Whether a note's text is within kMaxCharacters.
    static bool fits(const QString &noteText);

    GoalFile(const QString &folder, int number);

    int number() const { return m_number; }
    QString fileName() const;
    // Empty when there is no goal folder.
    QString path() const;

    // Writes the default text when nothing at all exists at the path; never
    // replaces anything, not even an empty file. The file made is readable by
    // its owner only: notes are personal. Fails with a reason when the file
    // was missing and could not be made whole (a full disk, say); nothing is
    // left at the path then, so the next start tries again. One that appeared
    // in the meantime counts as made, with the reason the making failed.
    GoalResult createIfMissing() const;

    GoalResult read() const;

    // Replaces the file as a whole: until the new content is complete on disk the
    // old file stays as it was. A file made anew is readable by its owner only.
    // Fails with a reason when nothing was written: the text is over the bound,
    // or the file is no ordinary file, or a link to one that cannot be made.
    GoalResult write(const QString &noteText) const;

private:
    // "This is Goal 1." or "This is Goal 2.".
    QString defaultText() const;

    QString m_folder;
    int m_number;
};

} // namespace palmora
