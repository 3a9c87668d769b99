#include "app/runtimefolderwarning.h"

#include <QString>
#include <QtGlobal>

namespace palmora {

namespace {

QtMessageHandler g_passOn = nullptr;

void dropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_passOn(type, context, message);
}

} // namespace

void dropMissingRuntimeFolderWarning()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") || g_passOn)
        return;
    g_passOn = qInstallMessageHandler(dropRuntimeFolderWarning);
}

} // namespace palmora
