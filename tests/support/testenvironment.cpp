#include "testenvironment.h"

#include "common/randomsource.h"

namespace palmora::testing {

TestEnvironment::TestEnvironment()
{
    env.goalFolders.saveFolder = folder.path();
    env.today = [this] { return today; };
    env.random = std::make_shared<GeneratorRandomSource>(20261207u);
    env.lockFilePath = folder.filePath(QStringLiteral("palmora.lock"));
    env.resultHistoryPath = folder.filePath(QStringLiteral("results.json"));
}

} // namespace palmora::testing
