#include "memorize/topicbrowser.h"

#include "ui_topicbrowser.h"

#include "common/lineends.h"
#include "content/picturelist.h"
#include "ui/fontfit.h"
#include "ui/messagebox.h"
#include "ui/palmorastyle.h"
#include "ui/pixelratiowatcher.h"
#include "ui/theme.h"

#include <QFocusFrame>
#include <QKeyEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QShowEvent>

namespace palmora {

TopicBrowser::TopicBrowser(const TopicCatalogue &catalogue, const PictureList &pictures, QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TopicBrowser>())
    , m_catalogue(catalogue)
    , m_pictures(pictures)
{
    ui->setupUi(this);
    PalmoraStyle::markSectionFrame(this);
    Theme::setColors(ui->nameLabel, Theme::kPurple);
    Theme::setColors(ui->significanceCaption, Theme::kYellow);
    Theme::setColors(ui->shapeLocationCaption, Theme::kYellow);
    Theme::setColors(ui->significanceLabel, Theme::kNavy);
    Theme::setColors(ui->shapeLocationLabel, Theme::kNavy);
    Theme::setColors(ui->recordLabel, Theme::kNavy);
    Theme::setPointSize(ui->significanceLabel, 11.25);
    Theme::setPointSize(ui->shapeLocationLabel, 11.25);
    ui->pictureLabel->setAccessibleName(tr("Topic picture"));
    ui->textScrollArea->viewport()->setAutoFillBackground(false);
    // The text area is a stop of the Tab cycle, for reading a long text with
    // the keys; it has no frame of its own to show that it has the focus.
    // A focus frame only draws; it is put round the area while it has the focus.
    m_focusFrame = new QFocusFrame(this);
    ui->textScrollArea->installEventFilter(this);
    ui->textPanel->setAutoFillBackground(false);

    fitButtonText(*ui->nextButton);
    fitButtonText(*ui->backButton);
    connect(ui->nextButton, &QPushButton::clicked, this, &TopicBrowser::stepForward);
    connect(ui->backButton, &QPushButton::clicked, this, &TopicBrowser::stepBack);
    connect(ui->backToMainButton, &QPushButton::clicked, this, &TopicBrowser::backToMainRequested);
}

TopicBrowser::~TopicBrowser() = default;

void TopicBrowser::setRecordLookup(std::function<QString(TopicIndex)> lookup)
{
    m_recordLookup = std::move(lookup);
    if (isVisible())
        showRecord(m_currentTopic);
}

void TopicBrowser::showRecord(TopicIndex t)
{
    const QString record = m_recordLookup ? m_recordLookup(t) : QString();
    ui->recordLabel->setText(record);
    ui->recordLabel->setAccessibleDescription(record);
}

void TopicBrowser::showEvent(QShowEvent *event)
{
    // A test taken meanwhile may have changed the record.
    if (!event->spontaneous())
        showRecord(m_currentTopic);
    QGroupBox::showEvent(event);
    // Coming to the browser, the focus goes to the step forward. (A focus proxy
    // would do that too, but Tab would then skip the controls before it.)
    if (!event->spontaneous())
        ui->nextButton->setFocus(Qt::OtherFocusReason);
}

bool TopicBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->textScrollArea
        && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        m_focusFrame->setWidget(event->type() == QEvent::FocusIn ? ui->textScrollArea : nullptr);
    // Space pages through the text, as in a browser; Shift+Space back.
    if (watched == ui->textScrollArea && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
            QScrollBar *bar = ui->textScrollArea->verticalScrollBar();
            bar->triggerAction(key->modifiers() & Qt::ShiftModifier ? QAbstractSlider::SliderPageStepSub
                                                                    : QAbstractSlider::SliderPageStepAdd);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void TopicBrowser::showTopic(int t)
{
    // A picture that cannot be fetched leaves the texts to change all the same.
    // On a screen of another density the picture is swapped for the drawing made for it.
    showPicture(ui->pictureLabel, [this, number = TopicCatalogue::topicPicture(t)](qreal ratio) {
        return m_pictures.picture(number, ratio);
    });

    ui->nameLabel->showText(m_catalogue.topicName(t));
    // The one text with a line break shows it as a paragraph break.
    ui->significanceLabel->showText(toLineFeeds(m_catalogue.significance(t)));
    ui->shapeLocationLabel->showText(m_catalogue.shapeLocation(t));
    ui->textScrollArea->verticalScrollBar()->setValue(0);
    // Hidden, as while the page is made ready, it has no record to show yet.
    if (isVisible())
        showRecord(static_cast<TopicIndex>(t));
}

void TopicBrowser::stepForward()
{
    if (m_currentTopic + 1 >= TopicCatalogue::kTopicCount) {
        MessageBox::information(this, tr("You are at the last record"));
        return;
    }
    ++m_currentTopic;
    showTopic(m_currentTopic);
}

void TopicBrowser::stepBack()
{
    if (m_currentTopic - 1 < 0) {
        MessageBox::information(this, tr("You are at the first record"));
        return;
    }
    --m_currentTopic;
    showTopic(m_currentTopic);
}

} // namespace palmora
