// Adds results to a file of test results, as another copy of the program that
// finishes tests at the same time would: resultwriter FILE COUNT KIND, KIND 0 to
// 2. The scores count up from 0, so the order each copy wrote in shows. Ends
// with 1 when a result could not be added. resultwriter FILE killed ends
// holding the lock, as a copy killed while adding one.
#include "common/filelock.h"
#include "record/resulthistory.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (palmora::FileLock lock(palmora::FileLock::besideFile(args.value(1)));
        args.value(2) == u"killed" && lock.take({}).isEmpty())
        ::_exit(0);
    if (args.size() != 4)
        return 2;
    const palmora::ResultHistory history(args.at(1));
    const int count = args.at(2).toInt();
    const auto mode = static_cast<palmora::TestMode>(args.at(3).toInt());
    for (int i = 0; i < count; ++i) {
        const palmora::ResultHistory::Result added = history.append({QDateTime::currentDateTimeUtc(),
                                                                     mode,
                                                                     palmora::TopicChoice::Drawn,
                                                                     i % 11,
                                                                     palmora::kQuestionCount,
                                                                     {}});
        if (!added.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(added.error));
            return 1;
        }
    }
    return 0;
}
