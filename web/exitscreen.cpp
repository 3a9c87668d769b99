#include "web/exitscreen.h"

#include "ui_exitscreen.h"

#include "common/randomsource.h"
#include "ui/appidentity.h"
#include "ui/fontfit.h"
#include "ui/pixelratiowatcher.h"
#include "ui/theme.h"
#include "web/exittexts.h"
#include "web/referralform.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace palmora {

namespace {
constexpr QColor kCheckBlue {0, 0, 192};

// Qt announces a plain top-level widget as a filler; screen readers only tell
// the user about a new window when it is exposed as one.
QAccessibleInterface *accessibleExitScreen(const QString &className, QObject *object)
{
    if (className == QLatin1String("palmora::ExitScreen") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}
} // namespace

ExitScreen::ExitScreen(RandomSource &random, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ExitScreen>())
{
    static const bool accessibleAsWindow = [] {
        QAccessible::installFactory(accessibleExitScreen);
        return true;
    }();
    Q_UNUSED(accessibleAsWindow);
    ui->setupUi(this);
    // Fixed single border, no minimise or maximise button; above other windows.
    // The user asked for it, so it takes the keyboard focus as it is shown.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(size());
    applyLook();
    showIdentity();
    showTexts(random);
    new ReferralForm({ui->senderNameEdit, ui->senderEmailEdit, ui->messageEdit, ui->friendNameEdit,
                      ui->friendEmailEdit, ui->referButton},
                     this);

    connect(ui->exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->visitSiteButton, &QPushButton::clicked, this, &ExitScreen::visitSite);
    connect(ui->siteLink, &ClickableLabel::clicked, this, [] { openSitePage(PageKey::VesperSoftwares); });
    // The message field stands outside its frame, where nobody sees it: no Tab
    // stop, so nothing is typed into it unseen. The link follows the fields.
    ui->messageEdit->setFocusPolicy(Qt::NoFocus);
    setTabOrder(ui->messageEdit, ui->siteLink);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry())
                 .topLeft());
    ui->exitButton->setFocus();
}

ExitScreen::~ExitScreen() = default;

void ExitScreen::showIdentity()
{
    setWindowTitle(AppIdentity::windowCaption());
    ui->captionLabel->setText(AppIdentity::windowCaption());
    ui->captionLabel->adjustSize();
    const QIcon icon = AppIdentity::applicationIcon();
    setWindowIcon(icon);
    if (!icon.isNull()) {
        // At the label's own ratio, so a 200 % screen gets the 64-pixel drawing.
        ui->iconLabel->setPixmap(icon.pixmap(QSize(32, 32), ui->iconLabel->devicePixelRatioF()));
        connect(new PixelRatioWatcher(ui->iconLabel), &PixelRatioWatcher::pixelRatioChanged, this,
                [this, icon](qreal ratio) { ui->iconLabel->setPixmap(icon.pixmap(QSize(32, 32), ratio)); });
    }
}

void ExitScreen::showTexts(RandomSource &random)
{
    ui->appealLabel->setText(exitAppeal(exitAppealIndex(random.uniform())));
    ui->otherSoftwareLabel->setText(otherSoftwareText());
    ui->visitSiteButton->setText(tr("Click Here To Visit %1 Now").arg(siteHostName()));
    // A long site name must not run out of its control.
    ui->visitSiteButton->setFont(fontToFit(ui->visitSiteButton->font(), ui->visitSiteButton->text(),
                                           ui->visitSiteButton->width() - 12));
    ui->siteLink->setFont(fontToFit(ui->siteLink->font(), ui->siteLink->text(),
                                    ui->softwareBox->width() - ui->siteLink->x() - 4));
    ui->siteLink->adjustSize();
}

void ExitScreen::applyLook()
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    for (QGroupBox *frame : {ui->referralBox, ui->softwareBox}) {
        // The caption's font and colour stay on the frame itself.
        frame->setStyleSheet(QStringLiteral("QGroupBox#%1 { background-color: rgb(0, 0, 128); color: white;"
                                            " font: bold 9.75pt \"Verdana\"; }")
                                 .arg(frame->objectName()));
        frame->setAutoFillBackground(true);
    }
    // The frame's white caption colour must not reach the boxes inside it.
    for (QWidget *box :
         std::initializer_list<QWidget *> {ui->senderNameEdit, ui->senderEmailEdit, ui->friendNameEdit,
                                           ui->friendEmailEdit, ui->messageEdit, ui->referButton})
        Theme::setColors(box, Qt::black);
    Theme::setColors(ui->otherSoftwareLabel, Qt::white);
    Theme::setColors(ui->siteLink, Theme::kYellow);
    Theme::setColors(ui->visitSiteButton, kCheckBlue);
    Theme::setPointSize(ui->visitSiteButton, 14.25);
    Theme::setPointSize(ui->appealLabel, 9.75);
    Theme::setPointSize(ui->referButton, 8.25);
}

void ExitScreen::visitSite(bool checked)
{
    // A push button that springs back: it opens the home page and never stays down.
    if (!checked)
        return;
    ui->visitSiteButton->setChecked(false);
    openSitePage(PageKey::HomePage);
}

void ExitScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloading();
    }
}

} // namespace palmora
