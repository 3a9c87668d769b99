// Holds the one-copy lock until killed, standing in for a running copy of the
// program: the lock at the path given on the command line, or with --default the
// one the program itself would take. Prints "locked", "running" (another copy
// holds it; exit code 1) or "unavailable" (no lock could be had; exit code 3).
#include "app/singleinstanceguard.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString argument = QString::fromLocal8Bit(argv[1]);
    palmora::SingleInstanceGuard guard(argument == QLatin1String("--default")
                                           ? palmora::SingleInstanceGuard::defaultLockFilePath()
                                           : argument);
    QTextStream out(stdout);
    switch (guard.acquire()) {
    case palmora::SingleInstanceGuard::Result::Acquired:
        out << "locked" << Qt::endl;
        return QCoreApplication::exec();
    case palmora::SingleInstanceGuard::Result::AlreadyRunning:
        out << "running" << Qt::endl;
        return 1;
    case palmora::SingleInstanceGuard::Result::Unavailable:
        out << "unavailable" << Qt::endl;
        return 3;
    }
    return 2;
}
