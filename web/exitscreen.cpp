#include "web/exitscreen.h"

#include "ui_exitscreen.h"

#include "common/appidentity.h"
#include "common/limitedtextedit.h"
#include "common/messagebox.h"
#include "common/pixelratiowatcher.h"
#include "common/randomsource.h"
#include "common/theme.h"
#include "web/exittexts.h"
#include "web/sitepages.h"
#include "web/weblauncher.h"

#include <QAccessibleWidget>
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
    // Fixed single border, no minimise or maximise button; above other windows
    // without taking the focus from whatever the user turns to next.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(size());
    applyLook();

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

    m_appealIndex = exitAppealIndex(random.uniform());
    ui->appealLabel->setText(exitAppeal(m_appealIndex));
    ui->otherSoftwareLabel->setText(otherSoftwareText());
    ui->visitSiteButton->setText(tr("Click Here To Visit %1 Now").arg(siteHostName()));
    shrinkToFit(ui->visitSiteButton, ui->visitSiteButton->text(), ui->visitSiteButton->width() - 12);
    shrinkToFit(ui->siteLink, ui->siteLink->text(), ui->softwareBox->width() - ui->siteLink->x() - 4);
    ui->siteLink->adjustSize();
    // The message box sits below the frame's visible part; it still takes the
    // focus in tab order and carries its text into the referral.
    setFieldText(ui->messageEdit, QString::fromLatin1(ReferralPlaceholder::Message) + QStringLiteral("\r\n"));

    m_fieldList = {
        {ui->senderNameEdit, QString::fromLatin1(ReferralPlaceholder::SenderName), ReferralField::SenderName},
        {ui->senderEmailEdit, QString::fromLatin1(ReferralPlaceholder::SenderEmail),
         ReferralField::SenderEmail},
        {ui->messageEdit, QString::fromLatin1(ReferralPlaceholder::Message), ReferralField::Message},
        {ui->friendNameEdit, QString::fromLatin1(ReferralPlaceholder::FriendName), ReferralField::FriendName},
        {ui->friendEmailEdit, QString::fromLatin1(ReferralPlaceholder::FriendEmail),
         ReferralField::FriendEmail},
    };
    ui->messageEdit->setFitCheck(
        [](const QString &text) { return fitsReferralField(ReferralField::Message, text); });
    connect(ui->messageEdit, &LimitedTextEdit::insertRefused, this, [this] {
        MessageBox::critical(this, referralFieldFullText(ReferralField::Message));
        ui->messageEdit->setFocus();
    });
    for (Field &field : m_fieldList) {
        field.widget->installEventFilter(this);
        field.accepted = fieldText(field.widget);
        QWidget *const widget = field.widget;
        if (widget == ui->messageEdit)
            connect(ui->messageEdit, &QPlainTextEdit::textChanged, this,
                    [this, widget] { fieldChanged(widget); });
        else
            connect(static_cast<QLineEdit *>(widget), &QLineEdit::textChanged, this,
                    [this, widget] { fieldChanged(widget); });
    }

    connect(ui->exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->visitSiteButton, &QPushButton::clicked, this, &ExitScreen::visitSite);
    connect(ui->siteLink, &ClickableLabel::clicked, this, [] { openSitePage(PageKey::VesperSoftwares); });
    connect(ui->referButton, &QPushButton::clicked, this, &ExitScreen::referFriend);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry())
                 .topLeft());
    ui->exitButton->setFocus();
}

ExitScreen::~ExitScreen() = default;

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
    // The fields are named for screen readers by what they ask for, not by the
    // text they happen to hold.
    ui->senderNameEdit->setAccessibleName(tr("Your name"));
    ui->senderEmailEdit->setAccessibleName(tr("Your email address"));
    ui->messageEdit->setAccessibleName(tr("Your message"));
    ui->friendNameEdit->setAccessibleName(tr("Friend's name"));
    ui->friendEmailEdit->setAccessibleName(tr("Friend's email address"));
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

QString ExitScreen::fieldText(QWidget *widget) const
{
    if (widget == ui->messageEdit)
        return messageText();
    return static_cast<QLineEdit *>(widget)->text();
}

void ExitScreen::setFieldText(QWidget *widget, const QString &text)
{
    if (widget == ui->messageEdit) {
        QString plain = text;
        plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        ui->messageEdit->setPlainText(plain);
    } else {
        static_cast<QLineEdit *>(widget)->setText(text);
    }
}

int ExitScreen::cursorPosition(QWidget *widget) const
{
    if (widget == ui->messageEdit)
        return ui->messageEdit->textCursor().position();
    return static_cast<QLineEdit *>(widget)->cursorPosition();
}

void ExitScreen::setCursorPosition(QWidget *widget, int position)
{
    if (widget == ui->messageEdit) {
        QTextCursor cursor = ui->messageEdit->textCursor();
        cursor.setPosition(qMin(position, ui->messageEdit->document()->characterCount() - 1));
        ui->messageEdit->setTextCursor(cursor);
    } else {
        static_cast<QLineEdit *>(widget)->setCursorPosition(position);
    }
}

ExitScreen::Field *ExitScreen::findField(const QObject *widget)
{
    const auto found = std::find_if(m_fieldList.begin(), m_fieldList.end(),
                                    [widget](const Field &field) { return field.widget == widget; });
    return found == m_fieldList.end() ? nullptr : &*found;
}

void ExitScreen::fieldChanged(QWidget *widget)
{
    Field *field = findField(widget);
    if (!field)
        return; // still being set up
    const QString text = fieldText(widget);
    if (fitsReferralField(field->kind, text)) {
        field->accepted = text;
        field->acceptedCursor = cursorPosition(widget);
        return;
    }
    // The field is put back after the edit under way has finished with it.
    if (!field->refusalPending) {
        field->refusalPending = true;
        QMetaObject::invokeMethod(
            this, [this, widget] { refuseOverfill(widget); }, Qt::QueuedConnection);
    }
}

void ExitScreen::refuseOverfill(QWidget *widget)
{
    Field *field = findField(widget);
    if (!field)
        return;
    field->refusalPending = false;
    if (fitsReferralField(field->kind, fieldText(widget)))
        return;
    const int cursor = field->acceptedCursor;
    setFieldText(widget, field->accepted);
    setCursorPosition(widget, cursor);
    MessageBox::critical(this, referralFieldFullText(field->kind));
    widget->setFocus();
}

QString ExitScreen::messageText() const
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into spaces.
    QString text = ui->messageEdit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

bool ExitScreen::eventFilter(QObject *watched, QEvent *event)
{
    const Field *found = findField(watched);
    if (!found)
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
        const QString trimmed = trimFieldSpaces(fieldText(widget));
        if (event->type() == QEvent::FocusIn && trimmed == found->placeholder)
            setFieldText(widget, QString());
        else if (event->type() == QEvent::FocusOut && trimmed.isEmpty())
            setFieldText(widget, found->placeholder);
        break;
    }
    case QEvent::KeyPress:
        if ((widget == ui->senderEmailEdit || widget == ui->friendEmailEdit)
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

void ExitScreen::visitSite(bool checked)
{
    // A push button that springs back: it opens the home page and never stays down.
    if (!checked)
        return;
    ui->visitSiteButton->setChecked(false);
    openSitePage(PageKey::HomePage);
}

void ExitScreen::referFriend()
{
    // A refusal still on its way is made before the fields are read.
    for (const Field &field : m_fieldList) {
        if (field.refusalPending) {
            refuseOverfill(field.widget);
            return;
        }
    }
    m_fields = trimmedFields({fieldText(ui->senderNameEdit), fieldText(ui->senderEmailEdit), messageText(),
                              fieldText(ui->friendNameEdit), fieldText(ui->friendEmailEdit)});
    submitReferral();
}

void ExitScreen::submitReferral()
{
    const ReferralProblem problem = referralProblem(m_fields);
    if (problem != ReferralProblem::None) {
        MessageBox::critical(this, referralProblemText(problem));
        return;
    }
    // The screen stays open with its fields as they were; the user may send again.
    openWebPage(referralAddress(m_fields));
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
