#include "memorize/topicbrowser.h"

#include "ui_topicbrowser.h"

#include "app/messagebox.h"
#include "app/theme.h"
#include "content/picturelist.h"

#include <QPixmap>
#include <QScrollBar>

namespace palmora {

TopicBrowser::TopicBrowser(TopicCatalogue &catalogue, const PictureList &pictures, QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TopicBrowser>())
    , m_catalogue(catalogue)
    , m_pictures(pictures)
{
    ui->setupUi(this);
    Theme::styleSectionFrame(this);
    Theme::setColors(ui->lblDesc_0, Theme::kPurple);
    Theme::setColors(ui->lblCaption_0, Theme::kYellow);
    Theme::setColors(ui->lblCaption_1, Theme::kYellow);
    Theme::setColors(ui->lblDesc_1, Theme::kNavy);
    Theme::setColors(ui->lblDesc_2, Theme::kNavy);
    Theme::setPointSize(ui->lblDesc_1, 11.25);
    Theme::setPointSize(ui->lblDesc_2, 11.25);
    for (QLabel *label : {ui->lblDesc_0, ui->lblDesc_1, ui->lblDesc_2})
        label->setTextFormat(Qt::PlainText);
    ui->picMemorize->setAccessibleName(tr("Topic picture"));
    ui->scrTopicText->viewport()->setAutoFillBackground(false);
    ui->pnlTopicText->setAutoFillBackground(false);

    connect(ui->cmdNext, &QPushButton::clicked, this, &TopicBrowser::step_forward);
    connect(ui->cmdBack, &QPushButton::clicked, this, &TopicBrowser::step_back);
    connect(ui->cmdBackToMain_0, &QPushButton::clicked, this, &TopicBrowser::backToMainRequested);
}

TopicBrowser::~TopicBrowser() = default;

void TopicBrowser::show_topic(int t)
{
    // A picture that cannot be fetched leaves the texts to change all the same.
    const int number = TopicCatalogue::topicPicture(t);
    const QImage image = m_pictures.picture(number);
    ui->picMemorize->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    m_shownPicture = image.isNull() ? 0 : number;

    ui->lblDesc_0->setText(m_catalogue.topicName(t));
    // The one text with a line break shows it as a paragraph break.
    QString significance = m_catalogue.significance(t);
    significance.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ui->lblDesc_1->setText(significance);
    ui->lblDesc_2->setText(m_catalogue.shapeLocation(t));
    ui->scrTopicText->verticalScrollBar()->setValue(0);
}

void TopicBrowser::step_forward()
{
    if (m_currentTopic + 1 >= TopicCatalogue::kTopicCount) {
        MessageBox::information(this, tr("You are at the last record"));
        return;
    }
    ++m_currentTopic;
    m_catalogue.fill_topic_catalogue();
    show_topic(m_currentTopic);
}

void TopicBrowser::step_back()
{
    if (m_currentTopic - 1 < 0) {
        MessageBox::information(this, tr("You are at the first record"));
        return;
    }
    --m_currentTopic;
    m_catalogue.fill_topic_catalogue();
    show_topic(m_currentTopic);
}

} // namespace palmora
