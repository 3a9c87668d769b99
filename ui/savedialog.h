#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace palmora {

// Every "save as" question the program asks goes through here, so that tests can
// answer it instead of blocking on a modal dialog.
class SaveDialog {
    Q_DECLARE_TR_FUNCTIONS(SaveDialog)
public:
    struct Request {
        QString title;
        // The folder the dialog opens in and the file name it proposes.
        QString suggestedPath;
        // Which files the dialog lists, e.g. "PDF files (*.pdf)".
        QString filter;
        // Added to a name typed without any, e.g. "pdf".
        QString defaultSuffix;
    };
    // The path chosen; empty when the dialog was cancelled.
    using Handler = std::function<QString(const Request &)>;

    // Asks for the path of a file to save, in the desktop's own dialog where the
    // platform offers one (the portal in a sandbox, GTK's or KDE's through their
    // platform themes), Qt's otherwise. The dialog asks before an existing file
    // is replaced, and says so when a name is too long for its folder. Empty when
    // the user cancelled.
    static QString askPath(QWidget *parent, const QString &title, const QString &suggestedPath,
                           const QString &filter, const QString &defaultSuffix);

    // Replaces the real dialog; pass an empty handler to restore it.
    static void setHandler(Handler handler);
};

} // namespace palmora
