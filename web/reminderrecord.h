#pragma once

#include <QString>

#include <optional>

namespace palmora {

// The one per-user setting of the program: the date of the last update prompt,
// kept by QSettings in INI format under the executable's own name, section
// "Settings", key "Duration". Key and value are stored in URL-safe base64 so
// that neither reads as plain text and the key never holds a '/' or '\'
// (QSettings reads those as groups).
//
// The store is handed to QSettings only when it is a regular file of at most
// 64 KiB that no other user can change, and it is written only once its lock
// is free within 0.3 s, so no store can hold up the caller.
class ReminderRecord {
public:
    // The user's own store: the file QSettings uses for IniFormat, UserScope,
    // organisation "Palmora" and the executable's file name.
    ReminderRecord();
    // A settings file of the caller's choice.
    explicit ReminderRecord(const QString &settingsFilePath);

    // The stored text, decoded; empty when there is no record or it cannot be
    // decoded. Nothing when the store exists but may not or cannot be read:
    // another user can change it, it is not a regular file or too large, or it
    // is not a settings file (which QSettings finds only the first time a
    // process reads the file: load() before write()).
    std::optional<QString> load() const;
    // Stores the text, keeping the store's other settings; false, with the
    // store as it was, when load() would give nothing, another user can change
    // the store's folder, the lock stayed taken, or QSettings could not write.
    bool write(const QString &text);

private:
    QString m_filePath;
};

} // namespace palmora
