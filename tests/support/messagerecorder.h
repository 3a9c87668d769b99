#pragma once

#include "ui/messagebox.h"
#include "ui/savedialog.h"

#include <QList>
#include <QStringList>

namespace palmora::testing {

// Answers message boxes and save dialogs instead of showing them, and remembers
// what was asked. Installed for its lifetime.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    // Answers given to the next Yes/No questions, in order; when none is left a
    // question is answered with its default.
    void queueAnswer(MessageBox::Answer answer) { m_answers.append(answer); }

    const QList<MessageBox::Request> &requests() const { return m_requests; }
    QStringList texts() const;
    int count() const { return static_cast<int>(m_requests.size()); }
    MessageBox::Request last() const
    {
        return m_requests.isEmpty() ? MessageBox::Request {} : m_requests.last();
    }
    void clear() { m_requests.clear(); }

    // Paths chosen in the next save dialogs, in order; when none is left a save
    // dialog is cancelled.
    void queueSavePath(const QString &path) { m_savePaths.append(path); }
    const QList<SaveDialog::Request> &saveRequests() const { return m_saveRequests; }

private:
    QList<MessageBox::Request> m_requests;
    QList<MessageBox::Answer> m_answers;
    QList<SaveDialog::Request> m_saveRequests;
    QStringList m_savePaths;
};

} // namespace palmora::testing
