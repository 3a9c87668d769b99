#include "app/processenvironment.h"

#include "app/singleinstanceguard.h"
#include "common/randomsource.h"
#include "goals/goalfolder.h"
#include "record/resulthistory.h"

namespace palmora {

Environment processEnvironment()
{
    Environment env;
    env.goalFolders = chooseGoalFolders();
    env.today = [] { return QDate::currentDate(); };
    env.random = std::make_shared<GeneratorRandomSource>();
    env.lockFilePath = SingleInstanceGuard::defaultLockFilePath();
    env.resultHistoryPath = ResultHistory::defaultFilePath();
    return env;
}

} // namespace palmora
