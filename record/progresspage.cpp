#include "record/progresspage.h"

#include "ui_progresspage.h"

#include "content/topiccatalogue.h"
#include "record/testkinds.h"
#include "record/topicrecords.h"
#include "ui/palmorastyle.h"
#include "ui/theme.h"

#include <QHeaderView>
#include <QShowEvent>

namespace palmora {

ProgressPage::ProgressPage(const TopicCatalogue &catalogue, QWidget *parent)
    : QGroupBox(parent)
    , ui(std::make_unique<Ui::ProgressPage>())
    , m_catalogue(catalogue)
{
    ui->setupUi(this);
    PalmoraStyle::markSectionFrame(this);
    Theme::setColors(ui->topicsCaption, Theme::kNavy);
    ui->topicTable->setRowCount(TopicCatalogue::kTopicCount);
    ui->topicTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < ui->topicTable->columnCount(); ++column)
        ui->topicTable->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    ui->topicTable->verticalHeader()->setDefaultSectionSize(ui->topicTable->fontMetrics().height() + 4);
    ui->topicsCaption->setBuddy(ui->topicTable);
    connect(ui->backButton, &QPushButton::clicked, this, &ProgressPage::backRequested);
    showResults({});
}

ProgressPage::~ProgressPage() = default;

void ProgressPage::showResultsNote(const QString &note)
{
    showResults({});
    ui->chart->showNote(note);
}

void ProgressPage::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    // The page opens on the chart, so that its summary is read first.
    if (!event->spontaneous())
        ui->chart->setFocus(Qt::OtherFocusReason);
}

void ProgressPage::showResults(const QList<FinishedTest> &results)
{
    ui->chart->showResults(results);
    const TopicRecords records(results);
    const QList<TopicIndex> order = records.weakestFirst();
    QTableWidget *table = ui->topicTable;
    table->setUpdatesEnabled(false);
    for (int row = 0; row < order.size(); ++row) {
        const TopicIndex topic = order.at(row);
        const auto setCell = [&](int column, const QString &text, const QString &spoken) {
            QTableWidgetItem *item = table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                table->setItem(row, column, item);
            }
            item->setText(text);
            item->setData(Qt::AccessibleTextRole, spoken);
        };
        const QString &name = m_catalogue.topicName(topic);
        setCell(0, name, name);
        for (int k = 0; k < static_cast<int>(TestKinds::kAll.size()); ++k) {
            const TestMode mode = TestKinds::kAll[static_cast<std::size_t>(k)];
            const QString text = TopicRecords::shortText(records.of(topic, mode));
            // Read as "Heart Line by name: 2 of 5 right", each cell whole on its own.
            setCell(k + 1, text,
                    tr("%1 %2: %3").arg(name, TestKinds::shownName(mode, TopicChoice::Drawn), text));
        }
    }
    table->setUpdatesEnabled(true);
}

} // namespace palmora
