#include "ui/messagebox.h"

#include "common/lineends.h"

#include <QMessageBox>

namespace palmora {

namespace {
MessageBox::Handler &handler()
{
    static MessageBox::Handler instance;
    return instance;
}
} // namespace

QString MessageBox::displayTitle()
{
    return tr("Palmora");
}

MessageBox::Answer MessageBox::show(QWidget *parent, const QString &text, Icon icon, Buttons buttons,
                                    Answer defaultAnswer, const QString &title)
{
    Request request {title.isEmpty() ? displayTitle() : title, text, icon, buttons, defaultAnswer};
    if (handler())
        return handler()(request);

    // A lone carriage return separates sentences in some messages; show it as a line break.
    const QString shown = toLineFeeds(text);
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, request.title,
                    shown, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case Buttons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // A box closed by its title bar answers as Escape would.
        return buttons == Buttons::YesNo            ? Answer::No
            : buttons == Buttons::SaveDiscardCancel ? Answer::Cancel
                                                    : Answer::Ok;
    }
}

MessageBox::Answer MessageBox::information(QWidget *parent, const QString &text)
{
    return show(parent, text, Icon::Information);
}

MessageBox::Answer MessageBox::critical(QWidget *parent, const QString &text)
{
    return show(parent, text, Icon::Critical);
}

MessageBox::Answer MessageBox::question(QWidget *parent, const QString &text, Icon icon)
{
    return show(parent, text, icon, Buttons::YesNo, Answer::Yes);
}

MessageBox::Answer MessageBox::saveChanges(QWidget *parent, const QString &text)
{
    return show(parent, text, Icon::Information, Buttons::SaveDiscardCancel, Answer::Save);
}

void MessageBox::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace palmora
