#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace palmora {

// Every message the program shows goes through here, so that tests can answer a
// box instead of blocking on a modal dialog.
class MessageBox {
    Q_DECLARE_TR_FUNCTIONS(MessageBox)
public:
    enum class Icon { Information, Critical };
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

    struct Request {
        QString title;
        QString text;
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
        Answer defaultAnswer = Answer::Ok;
    };
    using Handler = std::function<Answer(const Request &)>;

    static Answer show(QWidget *parent, const QString &text, Icon icon, Buttons buttons = Buttons::Ok,
                       Answer defaultAnswer = Answer::Ok, const QString &title = QString());
    static Answer information(QWidget *parent, const QString &text);
    static Answer critical(QWidget *parent, const QString &text);
    // Yes/No with Yes as the default answer.
    static Answer question(QWidget *parent, const QString &text, Icon icon = Icon::Information);
    // Save, Discard or Cancel, with Save as the default answer and Escape as Cancel.
    static Answer saveChanges(QWidget *parent, const QString &text);

    // Replaces the real dialog; pass an empty handler to restore it.
    static void setHandler(Handler handler);

private:
    // The title of every box that names none of its own.
    static QString displayTitle();
};

} // namespace palmora
