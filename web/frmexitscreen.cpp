#include "web/frmexitscreen.h"

#include "ui_frmexitscreen.h"

#include "app/frmstartup.h"
#include "app/messagebox.h"
#include "app/theme.h"
#include "test/randomsource.h"
#include "web/exittexts.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>

namespace palmora {

namespace {
constexpr QColor kCheckBlue {0, 0, 192};

// A long site name must not run out of its control: the font steps down until
// the text fits the width it has.
void shrinkToFit(QWidget *widget, const QString &text, int width)
{
    QFont font = widget->font();
    while (font.pointSizeF() > 7.0 && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}
} // namespace

FrmExitScreen::FrmExitScreen(RandomSource &random, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::FrmExitScreen>())
{
    ui->setupUi(this);
    // Fixed single border, no minimise or maximise button; above other windows
    // without taking the focus from whatever the user turns to next.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(size());
    applyLook();

    setWindowTitle(FrmStartup::windowCaption());
    ui->lblExitCaption->setText(FrmStartup::windowCaption());
    ui->lblExitCaption->adjustSize();
    const QIcon icon = FrmStartup::applicationIcon();
    setWindowIcon(icon);
    if (!icon.isNull())
        ui->picExitIcon->setPixmap(icon.pixmap(32, 32));

    m_appealIndex = exit_appeal_index(random.uniform());
    ui->Label2->setText(exit_appeal(m_appealIndex));
    ui->Label3->setText(other_software_text());
    ui->Check1->setText(tr("Click Here To Visit %1 Now").arg(site_host_name()));
    shrinkToFit(ui->Check1, ui->Check1->text(), ui->Check1->width() - 12);
    shrinkToFit(ui->lblGoToHome, ui->lblGoToHome->text(),
                ui->fraSoftware->width() - ui->lblGoToHome->x() - 4);
    ui->lblGoToHome->adjustSize();
    // The message box sits below the frame's visible part; it still takes the
    // focus in tab order and carries its text into the referral.
    setFieldText(ui->txtMessage, QString::fromLatin1(ReferralPlaceholder::Message) + QStringLiteral("\r\n"));

    m_fieldList = {
        {ui->txtName, QString::fromLatin1(ReferralPlaceholder::SenderName)},
        {ui->txtEmail, QString::fromLatin1(ReferralPlaceholder::SenderEmail)},
        {ui->txtMessage, QString::fromLatin1(ReferralPlaceholder::Message)},
        {ui->txtFriendName, QString::fromLatin1(ReferralPlaceholder::FriendName)},
        {ui->txtFriendEmail, QString::fromLatin1(ReferralPlaceholder::FriendEmail)},
    };
    for (const Field &field : m_fieldList)
        field.widget->installEventFilter(this);

    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->Check1, &QPushButton::clicked, this, &FrmExitScreen::Check1_Click);
    connect(ui->lblGoToHome, &ClickableLabel::clicked, this,
            [] { open_site_page(PageKey::VesperSoftwares); });
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &FrmExitScreen::cmdSubmit_Click);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry())
                 .topLeft());
    ui->cmdClose->setFocus();
}

FrmExitScreen::~FrmExitScreen() = default;

void FrmExitScreen::applyLook()
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    for (QGroupBox *frame : {ui->fraReferral, ui->fraSoftware}) {
        // The caption's font and colour stay on the frame itself.
        frame->setStyleSheet(QStringLiteral("QGroupBox#%1 { background-color: rgb(0, 0, 128); color: white;"
                                            " font: bold 9.75pt \"Verdana\"; }")
                                 .arg(frame->objectName()));
        frame->setAutoFillBackground(true);
    }
    // The frame's white caption colour must not reach the boxes inside it.
    // The fields are named for screen readers by what they ask for, not by the
    // text they happen to hold.
    ui->txtName->setAccessibleName(tr("Your name"));
    ui->txtEmail->setAccessibleName(tr("Your email address"));
    ui->txtMessage->setAccessibleName(tr("Your message"));
    ui->txtFriendName->setAccessibleName(tr("Friend's name"));
    ui->txtFriendEmail->setAccessibleName(tr("Friend's email address"));
    for (QWidget *box : std::initializer_list<QWidget *> {ui->txtName, ui->txtEmail, ui->txtFriendName,
                                                          ui->txtFriendEmail, ui->txtMessage, ui->cmdSubmit})
        Theme::setColors(box, Qt::black);
    Theme::setColors(ui->Label3, Qt::white);
    Theme::setColors(ui->lblGoToHome, Theme::kYellow);
    Theme::setColors(ui->Check1, kCheckBlue);
    Theme::setPointSize(ui->Check1, 14.25);
    Theme::setPointSize(ui->Label2, 9.75);
    Theme::setPointSize(ui->cmdSubmit, 8.25);
}

QString FrmExitScreen::fieldText(QWidget *widget) const
{
    if (widget == ui->txtMessage)
        return messageText();
    return static_cast<QLineEdit *>(widget)->text();
}

void FrmExitScreen::setFieldText(QWidget *widget, const QString &text)
{
    if (widget == ui->txtMessage) {
        QString plain = text;
        plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        ui->txtMessage->setPlainText(plain);
    } else {
        static_cast<QLineEdit *>(widget)->setText(text);
    }
}

QString FrmExitScreen::messageText() const
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into spaces.
    QString text = ui->txtMessage->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

bool FrmExitScreen::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find_if(m_fieldList.begin(), m_fieldList.end(),
                                    [watched](const Field &field) { return field.widget == watched; });
    if (found == m_fieldList.end())
        return QWidget::eventFilter(watched, event);
    QWidget *const widget = found->widget;

    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Switching to another window or opening a menu or message box leaves
        // the focus where it was: only a real move between fields counts.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const QString trimmed = trim_field_spaces(fieldText(widget));
        if (event->type() == QEvent::FocusIn && trimmed == found->placeholder)
            setFieldText(widget, QString());
        else if (event->type() == QEvent::FocusOut && trimmed.isEmpty())
            setFieldText(widget, found->placeholder);
        break;
    }
    case QEvent::KeyPress:
        if ((widget == ui->txtEmail || widget == ui->txtFriendEmail)
            && static_cast<QKeyEvent *>(event)->text() == QLatin1String(" ")) {
            MessageBox::critical(this, tr("Email Address Cannot Contain Space"));
            widget->setFocus();
            return true; // the space never reaches the text
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmExitScreen::Check1_Click(bool checked)
{
    // A push button that springs back: it opens the home page and never stays down.
    if (!checked)
        return;
    ui->Check1->setChecked(false);
    open_site_page(PageKey::HomePage);
}

void FrmExitScreen::cmdSubmit_Click()
{
    m_fields = trimmed_fields({fieldText(ui->txtName), fieldText(ui->txtEmail), messageText(),
                               fieldText(ui->txtFriendName), fieldText(ui->txtFriendEmail)});
    submit_referral();
}

void FrmExitScreen::submit_referral()
{
    const ReferralProblem problem = referral_problem(m_fields);
    if (problem != ReferralProblem::None) {
        MessageBox::critical(this, referral_problem_text(problem));
        return;
    }
    // The screen stays open with its fields as they were; the user may send again.
    open_web_page(referral_address(m_fields));
}

void FrmExitScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloading();
    }
}

} // namespace palmora
