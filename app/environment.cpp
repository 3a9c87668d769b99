#include "app/environment.h"

#include "app/singleinstanceguard.h"
#include "goals/goalfolder.h"
#include "test/randomsource.h"

namespace palmora {

Environment Environment::forThisProcess()
{
    Environment env;
    env.goalFolder = choose_goal_folder();
    env.today = [] { return QDate::currentDate(); };
    env.random = std::make_shared<GeneratorRandomSource>();
    env.lockFilePath = SingleInstanceGuard::defaultLockFilePath();
    return env;
}

} // namespace palmora
