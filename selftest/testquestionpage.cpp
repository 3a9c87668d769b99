#include "selftest/testquestionpage.h"

#include "ui_testquestionpage.h"

#include "selftest/wrappingradiobutton.h"
#include "ui/buttongroup.h"
#include "ui/palmorastyle.h"
#include "ui/pixelratiowatcher.h"
#include "ui/theme.h"

#include <QButtonGroup>
#include <QShowEvent>

namespace palmora {

TestQuestionPage::TestQuestionPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestQuestionPage>())
{
    ui->setupUi(this);
    // A neutral name: the picture must not read out the answer.
    ui->questionPicture->setAccessibleName(tr("Question picture"));
    PalmoraStyle::markSectionFrame(this);
    Theme::setColors(ui->questionNameLabel, Theme::kPurple);

    m_option = {ui->firstAnswer, ui->secondAnswer, ui->thirdAnswer, ui->fourthAnswer, ui->fifthAnswer};
    m_group = new QButtonGroup(this);
    for (int k = 0; k < kOptionCount; ++k) {
        Theme::setColors(m_option[k], Theme::kNavy);
        m_group->addButton(m_option[k], k);
    }

    connect(ui->nextQuestionButton, &QPushButton::clicked, this, &TestQuestionPage::nextQuestionRequested);
    placeOptions();
}

TestQuestionPage::~TestQuestionPage() = default;

void TestQuestionPage::showQuestion(const QString &name, bool nameVisible,
                                    std::function<QImage(qreal)> picture,
                                    const std::array<QString, kOptionCount> &optionTexts)
{
    ui->questionNameLabel->setText(name);
    ui->questionNameLabel->setVisible(nameVisible);
    showPicture(std::move(picture));
    for (int k = 0; k < kOptionCount; ++k) {
        m_option[k]->setText(optionTexts[k]);
        m_option[k]->update();
    }
    placeOptions();
    // A new question is answered from the top, wherever the last one left the
    // focus (on Next Question, say, where Enter would only ask for an answer).
    if (isVisible())
        ui->firstAnswer->setFocus(Qt::OtherFocusReason);
}

void TestQuestionPage::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    if (!event->spontaneous())
        ui->firstAnswer->setFocus(Qt::OtherFocusReason);
}

void TestQuestionPage::placeOptions()
{
    // The options stand in a column below the frame's caption and border, each as
    // tall as its wrapped text; the height left over is shared out evenly between
    // them, so a long option never runs into the next and short ones spread
    // evenly down the page.
    constexpr int kMargin = 4;
    constexpr int kMinimumGap = 6;
    const QRect contents = contentsRect();
    const int top = contents.top() + kMargin;
    const int bottom = contents.bottom() - kMargin;

    std::array<int, kOptionCount> heights {};
    int used = 0;
    for (int k = 0; k < kOptionCount; ++k) {
        heights[k] = m_option[k]->sizeHint().height();
        used += heights[k];
    }
    const int gap = qMax(kMinimumGap, (bottom - top + 1 - used) / (kOptionCount - 1));
    int y = top;
    for (int k = 0; k < kOptionCount; ++k) {
        const QRect old = m_option[k]->geometry();
        m_option[k]->setGeometry(old.x(), y, old.width(), heights[k]);
        y += heights[k] + gap;
    }
}

int TestQuestionPage::selectedOption() const
{
    return m_group->checkedId();
}

QString TestQuestionPage::optionText(int k) const
{
    return m_option.at(k)->text();
}

void TestQuestionPage::clearSelection()
{
    uncheckAll(m_group);
}

void TestQuestionPage::showPicture(std::function<QImage(qreal)> picture)
{
    palmora::showPicture(ui->questionPicture, std::move(picture));
}

} // namespace palmora
