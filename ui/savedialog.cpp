#include "ui/savedialog.h"

#include "ui/messagebox.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include <unistd.h>

#include <climits>

namespace palmora {

namespace {

SaveDialog::Handler &handler()
{
    static SaveDialog::Handler instance;
    return instance;
}

// The longest file name, in bytes, that `folder` takes.
long longestName(const QString &folder)
{
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? longest : NAME_MAX;
}

QString tooLongText(long longest)
{
    return SaveDialog::tr("The file name is too long. A name in this folder can have at most %1 letters, "
                          "fewer if some are accented or not Latin. Choose a shorter name.")
        .arg(longest);
}

// Qt's own save dialog greys out Save, without a word, on a file name of more
// characters than its folder takes, and takes one of more bytes than that
// (accented letters, other scripts) only to fail at the write. This one
// refuses such a name as it is typed or pasted, and again on Save, and says
// why. A folder typed before the name does not count.
class NameCheckingFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        // A desktop's own dialog, drawn in place of this one, has closed by the
        // time it hands over the name: an unsaved name is then reported when
        // the file cannot be written.
        const bool drawnByQt = !testAttribute(Qt::WA_DontShowOnScreen);
        const QString chosen = selectedFiles().value(0);
        if (drawnByQt && !chosen.isEmpty()) {
            const QFileInfo info(chosen);
            const long longest = longestName(info.absolutePath());
            if (!info.exists() && QFile::encodeName(info.fileName()).size() > longest) {
                MessageBox::critical(this, tooLongText(longest));
                return;
            }
        }
        QFileDialog::accept();
    }
};

} // namespace

QString SaveDialog::askPath(QWidget *parent, const QString &title, const QString &suggestedPath,
                            const QString &filter, const QString &defaultSuffix)
{
    if (handler())
        return handler()(Request {title, suggestedPath, filter, defaultSuffix});
    // The dialog hands over to the platform theme's native dialog when there is
    // one; only without one does it show Qt's own.
    NameCheckingFileDialog dialog(parent, title, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (auto *nameField = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
        // The whole text is refused, rather than cut short where nobody sees it.
        QObject::connect(nameField, &QLineEdit::textChanged, &dialog,
                         [&dialog, nameField, kept = nameField->text()](const QString &text) mutable {
                             const QFileInfo typed(QDir(dialog.directory()).absoluteFilePath(text));
                             const long longest = longestName(typed.absolutePath());
                             if (QFile::encodeName(typed.fileName()).size() <= longest) {
                                 kept = text;
                                 return;
                             }
                             nameField->setText(kept);
                             // Once the edit that brought the name is over.
                             QTimer::singleShot(0, &dialog, [&dialog, longest] {
                                 MessageBox::critical(&dialog, tooLongText(longest));
                             });
                         });
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void SaveDialog::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace palmora
