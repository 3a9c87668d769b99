#include "programoutput.h"

#include <QProcess>

namespace palmora::testing {

QString programOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace palmora::testing
