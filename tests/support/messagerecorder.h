#pragma once

#include "common/messagebox.h"

#include <QList>
#include <QStringList>

namespace palmora::testing {

// Answers message boxes instead of showing them, and remembers what was asked.
// Installed for its lifetime.
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

private:
    QList<MessageBox::Request> m_requests;
    QList<MessageBox::Answer> m_answers;
};

} // namespace palmora::testing
