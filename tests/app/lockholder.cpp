// Holds the one-copy lock at the path given on the command line until killed,
// standing in for a running copy of the program.
#include "app/singleinstanceguard.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    palmora::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    const auto result = guard.acquire();
    QTextStream out(stdout);
    out << (result == palmora::SingleInstanceGuard::Result::Acquired ? "locked" : "refused") << Qt::endl;
    return result == palmora::SingleInstanceGuard::Result::Acquired ? QCoreApplication::exec() : 1;
}
