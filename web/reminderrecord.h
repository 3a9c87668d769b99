#pragma once

#include <QString>

#include <optional>

class QLockFile;

namespace palmora {

// The one per-user setting of the program: the date of the last update prompt.
// Kept under the executable's own name, section "Settings", key "Duration"; key
// and value are stored in URL-safe base64 so that neither reads as plain text
// and the key never holds a '/' or '\' (QSettings reads those as groups).
//
// The store is only ever read when it is a regular file of a sane size, and its
// lock is waited for a bounded time, so no store can hold up the caller.
class ReminderRecord {
public:
    // The user's own settings store, named after the running executable.
    ReminderRecord();
    // A settings file of the caller's choice (INI format).
    explicit ReminderRecord(const QString &settingsFilePath);

    // The stored text, decoded; empty when there is no record or it cannot be
    // decoded. Nothing when the store exists but cannot be read: it is not a
    // regular file, is larger than kMaxStoreBytes, refuses to be opened, or is
    // not a settings file. Always what the file holds now, however recently and
    // by whom it was replaced.
    std::optional<QString> load() const;
    // load(), with an unreadable store read as empty.
    QString read() const;
    // Stores the text, keeping whatever else the store holds; false, with the
    // store untouched, when it could not be read or written, is not a settings
    // file, or its lock stayed taken.
    bool write(const QString &text);

    // A record is a few dozen bytes; a store far larger than that is not ours.
    static constexpr qint64 kMaxStoreBytes = qint64 {64} * 1024;
    // How long a write waits for another writer's lock on the store.
    static constexpr int kLockWaitMilliseconds = 300;

    // The plain key and the section it lives in.
    static QString sectionName();
    static QString keyName();
    // The key as it appears in the store.
    static QString storedKeyName();
    // The executable's file name without its extension.
    static QString applicationName();
    // Where the default constructor keeps the record: the file QSettings uses
    // for IniFormat, UserScope, organisation "Palmora" and applicationName(),
    // worked out without opening anything.
    static QString defaultSettingsFilePath();

    static QString encode(const QString &plain);
    // Nothing when the text is not something encode() produced.
    static std::optional<QString> decode(const QString &stored);

private:
    static void removeLockThatHoldsNothing(QLockFile &lock, const QString &lockPath);
    // Removes the scratch copies, and their locks, that a writer killed midway
    // left beside the store.
    void removeLeftovers() const;

    QString m_filePath;
};

} // namespace palmora
