#include "messagerecorder.h"

namespace palmora::testing {

MessageRecorder::MessageRecorder()
{
    MessageBox::setHandler([this](const MessageBox::Request &request) {
        m_requests.append(request);
        if (request.buttons == MessageBox::Buttons::Ok)
            return MessageBox::Answer::Ok;
        return m_answers.isEmpty() ? request.defaultAnswer : m_answers.takeFirst();
    });
    SaveDialog::setHandler([this](const SaveDialog::Request &request) {
        m_saveRequests.append(request);
        return m_savePaths.isEmpty() ? QString() : m_savePaths.takeFirst();
    });
}

MessageRecorder::~MessageRecorder()
{
    MessageBox::setHandler({});
    SaveDialog::setHandler({});
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const MessageBox::Request &request : m_requests)
        result.append(request.text);
    return result;
}

} // namespace palmora::testing
