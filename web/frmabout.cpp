#include "web/frmabout.h"

#include "ui_frmabout.h"

#include "app/frmstartup.h"
#include "app/theme.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QFile>

#include <algorithm>

namespace palmora {

FrmAbout::FrmAbout(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::FrmAbout>())
{
    ui->setupUi(this);
    // Fixed dialog border, no minimise, maximise or help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setModal(true);
    setWindowTitle(FrmStartup::windowCaption());
    setWindowIcon(FrmStartup::applicationIcon());

    Theme::setColors(this, Qt::black, Theme::kWindowBlue);
    Theme::setColors(ui->Label1, Theme::kYellow);
    Theme::setColors(ui->Label2, Theme::kMaroon);
    Theme::setColors(ui->Label3, Theme::kPurple);
    Theme::setColors(ui->lblCoBrand, Theme::kMaroon);
    Theme::setColors(ui->lblHomePage, Theme::kMaroon);
    Theme::setColors(ui->cmdOK, Qt::black, QColor(236, 236, 236));
    Theme::setPointSize(ui->Label2, 9.75);
    for (QWidget *label :
         std::initializer_list<QWidget *> {ui->Label1, ui->Label3, ui->lblCoBrand, ui->lblHomePage})
        Theme::setPointSize(label, 8.25);

    ui->Label2->setText(FrmStartup::windowCaption());
    ui->Label2->adjustSize();
    ui->lblHomePage->setText(tr("Click here to visit %1").arg(site_base_address()));
    ui->lblHomePage->adjustSize();
    // A long site address moves the link left rather than past the border.
    const int rightMargin = 7;
    if (ui->lblHomePage->geometry().right() > width() - rightMargin)
        ui->lblHomePage->move(std::max(0, width() - rightMargin - ui->lblHomePage->width()),
                              ui->lblHomePage->y());
    ui->lblCoBrand->adjustSize();
    const QPixmap picture = iconPicture();
    if (!picture.isNull()) {
        ui->picIcon->setPixmap(picture);
        ui->picIcon->resize(picture.size());
    }

    // OK answers both Enter and Esc; the close box and Esc reject, OK accepts,
    // and all three simply close the box.
    ui->cmdOK->setAutoDefault(true);
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->lblHomePage, &ClickableLabel::clicked, this, [] { open_site_page(PageKey::HomePage); });
    connect(ui->lblCoBrand, &ClickableLabel::clicked, this, [] { open_site_page(PageKey::FullyBranded); });
    ui->cmdOK->setFocus();
}

FrmAbout::~FrmAbout() = default;

QPixmap FrmAbout::iconPicture()
{
    const QString path = QStringLiteral(":/icons/palmora-32.png");
    if (QFile::exists(path)) {
        QPixmap picture(path);
        if (!picture.isNull())
            return picture;
    }
    const QIcon icon = FrmStartup::applicationIcon();
    return icon.isNull() ? QPixmap() : icon.pixmap(32, 32);
}

} // namespace palmora
