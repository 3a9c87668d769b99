#include "app/applicationcontroller.h"
#include "app/pluginfolders.h"
#include "app/processenvironment.h"
#include "common/accesskeys.h"
#include "common/theme.h"
#include "common/translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    palmora::keepProgramFolderOutOfPluginPaths();
    QApplication app(argc, argv);
    // Before any window exists: every text is looked up as it is set.
    palmora::installTranslations(QLocale::system(), palmora::translationFolders());
    palmora::Theme::apply(app);
    palmora::AccessKeys::install(app);

    palmora::ApplicationController controller(palmora::processEnvironment());
    if (!controller.start())
        return 0;
    return QApplication::exec();
}
