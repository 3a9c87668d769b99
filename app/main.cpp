#include "app/environment.h"
#include "app/frmstartup.h"
#include "app/theme.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    palmora::Theme::apply(app);

    palmora::FrmStartup startup(palmora::Environment::forThisProcess());
    if (!startup.start_up_sequence())
        return 0;
    return QApplication::exec();
}
