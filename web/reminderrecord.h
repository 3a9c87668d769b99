#pragma once

#include <QString>

#include <optional>

namespace palmora {

// The one per-user setting of the program: the date of the last update prompt.
// Kept under the executable's own name, section "Settings", key "Duration"; key
// and value are stored in URL-safe base64 so that neither reads as plain text
// and the key never holds a '/' or '\' (QSettings reads those as groups).
class ReminderRecord {
public:
    // The user's own settings store, named after the running executable.
    ReminderRecord();
    // A settings file of the caller's choice (INI format).
    explicit ReminderRecord(const QString &settingsFilePath);

    // The stored text, decoded; empty when there is no record or it cannot be decoded.
    QString read() const;
    // Stores the text; false when the store could not be written.
    bool write(const QString &text);

    // The plain key and the section it lives in.
    static QString sectionName();
    static QString keyName();
    // The key as it appears in the store.
    static QString storedKeyName();
    // The executable's file name without its extension.
    static QString applicationName();
    // Where the default constructor keeps the record.
    static QString defaultSettingsFilePath();

    static QString encode(const QString &plain);
    // Nothing when the text is not something encode() produced.
    static std::optional<QString> decode(const QString &stored);

private:
    QString m_filePath;
};

} // namespace palmora
