#include "web/weblauncher.h"

#include "web/sitepages.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QUrl>

namespace palmora {

namespace {

// Qt reports an address it could not hand over ("Launch failed", "Unable to
// detect a web browser", a platform without browsers) in its default category,
// the whole address included: a referral's names and e-mail addresses would
// land on the terminal. That category stays quiet while an address is handed
// over.
class HandOverSilence {
public:
    HandOverSilence() { s_previous = QLoggingCategory::installFilter(&silenceDefault); }
    ~HandOverSilence() { QLoggingCategory::installFilter(s_previous); }
    HandOverSilence(const HandOverSilence &) = delete;
    HandOverSilence &operator=(const HandOverSilence &) = delete;

private:
    static void silenceDefault(QLoggingCategory *category)
    {
        if (s_previous)
            s_previous(category);
        if (qstrcmp(category->categoryName(), "default") == 0) {
            for (const QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg})
                category->setEnabled(type, false);
        }
    }

    static inline QLoggingCategory::CategoryFilter s_previous = nullptr;
};

} // namespace

void openWebPage(const QString &address)
{
    const HandOverSilence silence;
    // TolerantMode keeps percent-encoded parts exactly as they were built.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void openSitePage(const QString &key)
{
    openWebPage(pageAddress(key));
}

} // namespace palmora
