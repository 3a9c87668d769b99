#include "selftest/testoptionspage.h"

#include "ui_testoptionspage.h"

#include "record/testkinds.h"
#include "ui/buttongroup.h"
#include "ui/palmorastyle.h"
#include "ui/theme.h"

#include <QButtonGroup>
#include <QLocale>
#include <QShowEvent>

namespace palmora {

TestOptionsPage::TestOptionsPage(QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::TestOptionsPage>())
{
    ui->setupUi(this);
    PalmoraStyle::markSectionFrame(this);

    for (QLabel *caption : std::initializer_list<QLabel *> {ui->prepareLabel, ui->instructionLabel,
                                                            ui->byNameHint, ui->bySignificanceHint,
                                                            ui->byLocationShapeHint, ui->resultHistoryLabel})
        Theme::setColors(caption, Theme::kNavy);

    m_modeChoices = {ui->byNameChoice, ui->bySignificanceChoice, ui->byLocationShapeChoice};
    m_group = new QButtonGroup(this);
    for (int k = 0; k < static_cast<int>(m_modeChoices.size()); ++k) {
        Theme::setColors(m_modeChoices[k], Theme::kPurple);
        m_group->addButton(m_modeChoices[k], k);
    }

    connect(ui->startTestButton, &QPushButton::clicked, this, &TestOptionsPage::startRequested);
    connect(ui->backToMainButton, &QPushButton::clicked, this, &TestOptionsPage::backToMainRequested);
    connect(ui->weakestTestButton, &QPushButton::clicked, this, &TestOptionsPage::weakestTestRequested);
    connect(ui->progressButton, &QPushButton::clicked, this, &TestOptionsPage::progressRequested);
}

TestOptionsPage::~TestOptionsPage() = default;

void TestOptionsPage::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    // The page opens on the kind that Start would take, or on the first one,
    // not on whichever kind had the focus when the page was left.
    if (!event->spontaneous()) {
        QAbstractButton *checked = m_group->checkedButton();
        (checked ? checked : m_modeChoices.front())->setFocus(Qt::OtherFocusReason);
    }
}

void TestOptionsPage::showResults(const QList<FinishedTest> &results)
{
    // Three lines fit beside the chart, which shows more.
    constexpr int kListed = 3;
    QStringList lines;
    for (auto it = results.crbegin(); it != results.crend() && lines.size() < kListed; ++it) {
        const QString when = QLocale().toString(it->finished.toLocalTime(), QLocale::ShortFormat);
        lines.append(tr("%1 of %2 right, %3, %4")
                         .arg(QString::number(it->score), QString::number(it->questionCount),
                              TestKinds::shownName(it->mode, it->topicChoice), when));
    }
    if (lines.isEmpty())
        lines.append(tr("Your results will be listed here after your first test."));
    showResultsNote(lines.join(QLatin1Char('\n')));
    ui->resultChart->showResults(results);
}

void TestOptionsPage::showResultsNote(const QString &note)
{
    ui->resultHistoryLabel->setText(note);
    ui->resultHistoryLabel->setAccessibleDescription(note);
}

std::optional<TestMode> TestOptionsPage::selectedMode() const
{
    const int chosen = m_group->checkedId();
    return chosen < 0 ? std::nullopt : std::optional(TestKinds::kAll[static_cast<std::size_t>(chosen)]);
}

void TestOptionsPage::clearSelection()
{
    uncheckAll(m_group);
}

} // namespace palmora
