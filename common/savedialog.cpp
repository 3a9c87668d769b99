#include "common/savedialog.h"

#include <QFileDialog>

namespace palmora {

namespace {
SaveDialog::Handler &handler()
{
    static SaveDialog::Handler instance;
    return instance;
}
} // namespace

QString SaveDialog::askPath(QWidget *parent, const QString &title, const QString &suggestedPath,
                            const QString &filter)
{
    if (handler())
        return handler()(Request {title, suggestedPath, filter});
    // Qt's static dialog hands over to the platform theme's native dialog when
    // there is one; only without one does it show its own.
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

void SaveDialog::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace palmora
