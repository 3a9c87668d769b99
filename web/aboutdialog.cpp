#include "web/aboutdialog.h"

#include "ui_aboutdialog.h"

#include "ui/appidentity.h"
#include "ui/fontfit.h"
#include "ui/pixelratiowatcher.h"
#include "ui/theme.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QFile>

#include <algorithm>

namespace palmora {

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    // Fixed dialog border, no minimise, maximise or help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setModal(true);
    setWindowTitle(AppIdentity::windowCaption());
    setWindowIcon(AppIdentity::applicationIcon());

    Theme::setColors(this, Qt::black, Theme::kWindowBlue);
    Theme::setColors(ui->descriptionLabel, Theme::kYellow);
    Theme::setColors(ui->versionLabel, Theme::kMaroon);
    Theme::setColors(ui->businessLabel, Theme::kPurple);
    Theme::setColors(ui->brandingLink, Theme::kMaroon);
    Theme::setColors(ui->homePageLink, Theme::kMaroon);
    Theme::setColors(ui->okButton, Qt::black, QColor(236, 236, 236));
    Theme::setPointSize(ui->versionLabel, 9.75);
    for (QWidget *label : std::initializer_list<QWidget *> {ui->descriptionLabel, ui->businessLabel,
                                                            ui->brandingLink, ui->homePageLink})
        Theme::setPointSize(label, 8.25);
    fitLabelText(*ui->descriptionLabel);
    fitLabelText(*ui->businessLabel);

    ui->versionLabel->setText(AppIdentity::windowCaption());
    ui->versionLabel->adjustSize();
    ui->homePageLink->setText(tr("Click here to visit %1").arg(siteBaseAddress()));
    ui->homePageLink->adjustSize();
    // A long site address moves the link left rather than past the border.
    const int rightMargin = 7;
    if (ui->homePageLink->geometry().right() > width() - rightMargin)
        ui->homePageLink->move(std::max(0, width() - rightMargin - ui->homePageLink->width()),
                               ui->homePageLink->y());
    ui->brandingLink->adjustSize();
    const auto showIcon = [this](qreal ratio) {
        const QPixmap picture = iconPicture(ratio);
        if (!picture.isNull()) {
            ui->iconLabel->setPixmap(picture);
            ui->iconLabel->resize(picture.deviceIndependentSize().toSize());
        }
    };
    showIcon(ui->iconLabel->devicePixelRatioF());
    connect(new PixelRatioWatcher(ui->iconLabel), &PixelRatioWatcher::pixelRatioChanged, this, showIcon);

    // OK answers both Enter and Esc; the close box and Esc reject, OK accepts,
    // and all three simply close the box.
    ui->okButton->setAutoDefault(true);
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->homePageLink, &ClickableLabel::clicked, this, [] { openSitePage(PageKey::HomePage); });
    connect(ui->brandingLink, &ClickableLabel::clicked, this, [] { openSitePage(PageKey::FullyBranded); });
    // The links follow OK, from the top down. They become Tab stops only once
    // drawn, too late for setTabOrder, which passes over a control that takes
    // no focus; so the form lists them in that order, and the Tab cycle follows it.
    ui->okButton->setFocus();
}

AboutDialog::~AboutDialog() = default;

QPixmap AboutDialog::iconPicture(qreal devicePixelRatio)
{
    const bool doubled = devicePixelRatio > 1.0;
    const QString path = doubled ? QStringLiteral(":/icons/hicolor/64x64/apps/palmora.png")
                                 : QStringLiteral(":/icons/palmora-32.png");
    if (QFile::exists(path)) {
        QPixmap picture(path);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(doubled ? 2.0 : 1.0);
            return picture;
        }
    }
    const QIcon icon = AppIdentity::applicationIcon();
    return icon.isNull() ? QPixmap() : icon.pixmap(QSize(32, 32), devicePixelRatio);
}

} // namespace palmora
