#include "record/resultchart.h"

#include "ui/palmorastyle.h"
#include "ui/theme.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace palmora {

ResultChart::ResultChart(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Chart of your last results"));
    setToolTip(
        tr("Your last %1 results, oldest on the left: the higher the bar, the more answers were "
           "right. The lighter bars are tests of the topics missed before or answered right least often.")
            .arg(kChartedTests));
    // A Tab stop, so that a screen reader comes to it and reads what it shows.
    setFocusPolicy(Qt::TabFocus);
    showResults({});
}

void ResultChart::showResults(const QList<FinishedTest> &results)
{
    m_results = chartedTests(results);
    // What the bars show, for a screen reader, after what the tooltip tells a
    // mouse user, which a screen reader would not read beside a description.
    QStringList shares;
    for (const FinishedTest &test : std::as_const(m_results))
        shares.append(test.topicChoice == TopicChoice::Missed
                          ? tr("%1 of %2 (missed topics)").arg(test.score).arg(test.questionCount)
                          : test.topicChoice == TopicChoice::Weakest
                          ? tr("%1 of %2 (weakest topics)").arg(test.score).arg(test.questionCount)
                          : tr("%1 of %2").arg(test.score).arg(test.questionCount));
    const QString shown = shares.isEmpty()
        ? tr("No results yet.")
        : tr("Oldest to newest: %1").arg(shares.join(QStringLiteral(", ")));
    setAccessibleDescription(toolTip() + QLatin1Char('\n') + shown);
    update();
}

void ResultChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF area = QRectF(rect()).adjusted(1, 2, -1, -1);
    const qreal slot = area.width() / kChartedTests;
    const qreal gap = std::max<qreal>(1.0, slot / 4);

    // The full height of a bar, faint, and the line the bars stand on.
    painter.setPen(QPen(QColor(0, 0, 128, 60), 0, Qt::DotLine));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.setPen(QPen(Theme::kNavy, 0));
    painter.drawLine(area.bottomLeft(), area.bottomRight());

    const QColor full = Theme::kPurple;
    QColor light = Theme::kPurple;
    light.setAlpha(110);
    // The newest result stands at the right-hand end.
    const auto first = kChartedTests - m_results.size();
    for (qsizetype i = 0; i < m_results.size(); ++i) {
        const FinishedTest &test = m_results.at(i);
        const qreal share = test.questionCount > 0 ? qreal(test.score) / test.questionCount : 0;
        // A score of nothing still shows a sliver, so that the test shows.
        const qreal height = std::max<qreal>(1.5, share * (area.height() - 1));
        const qreal left = area.left() + (first + i) * slot + gap / 2;
        const QRectF bar(left, area.bottom() - height, slot - gap, height);
        painter.fillRect(bar, test.topicChoice != TopicChoice::Drawn ? light : full);
    }

    if (hasFocus())
        PalmoraStyle::paintFocus(this, painter);
}

} // namespace palmora
