#include "app/applicationcontroller.h"
#include "app/pluginfolders.h"
#include "app/processenvironment.h"
#include "app/runtimefolderwarning.h"
#include "app/sessionbusconnector.h"
#include "common/translations.h"
#include "selftest/printqueue.h"
#include "ui/accesskeys.h"
#include "ui/keyboardnavigation.h"
#include "ui/theme.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitizedBuild = true;
#else
constexpr bool kSanitizedBuild = false;
#endif
#else
constexpr bool kSanitizedBuild = false;
#endif
} // namespace

int main(int argc, char *argv[])
{
    palmora::keepProgramFolderOutOfPluginPaths();
    palmora::dropMissingRuntimeFolderWarning();
    QApplication app(argc, argv);
    const palmora::SessionBusConnector sessionBus;
    // Before any window exists: every text is looked up as it is set.
    palmora::installTranslations(QLocale::system().uiLanguages(), palmora::translationFolders(),
                                 palmora::qtTranslationFolder());
    palmora::Theme::apply(app);
    palmora::AccessKeys::install(app);
    palmora::KeyboardNavigation::install(app);

    palmora::ApplicationController controller(palmora::processEnvironment());
    if (!controller.start())
        return 0;
    const int code = QApplication::exec();
    // A print given up on can hold a thread inside the print system, in a call
    // that cannot be broken off: the program ends without waiting for it.
    if (palmora::PrintQueue::stillWaiting() > 0) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    // Qt 6.4's Wayland client can deadlock as it takes its connection down:
    // QtWaylandClient's event thread (QWaylandDisplay's EventThread) waits for
    // a read that the main thread prepared with wl_display_prepare_read() and
    // never made, while the main thread waits for the event thread to end. All
    // the user's files are written by now, so on Wayland a teardown that has
    // not finished within a few seconds is cut short rather than left hanging
    // without a window. X11 has no such thread, and a sanitizer build must
    // reach its leak check at exit.
    if (!kSanitizedBuild && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::thread([code] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            std::_Exit(code);
        }).detach();
    }
    return code;
}
