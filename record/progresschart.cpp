#include "record/progresschart.h"

#include "record/testkinds.h"
#include "ui/fontfit.h"
#include "ui/palmorastyle.h"
#include "ui/theme.h"

#include <QFontMetricsF>
#include <QList>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace palmora {

namespace {

constexpr int kScaleTop = 10;
constexpr qreal kMarkRadius = 4.5;

QColor kindColor(TestMode mode)
{
    switch (mode) {
    case TestMode::ByName:
        return Theme::kPurple;
    case TestMode::BySignificance:
        return QColor(0, 110, 110);
    case TestMode::ByLocationShape:
        return QColor(190, 90, 0);
    }
    return Theme::kNavy;
}

// Each kind has a shape of its own as well as a colour: a circle, a square, a
// triangle.
QPainterPath markPath(TestMode mode, const QPointF &centre)
{
    QPainterPath path;
    const qreal r = kMarkRadius;
    switch (mode) {
    case TestMode::ByName:
        path.addEllipse(centre, r, r);
        break;
    case TestMode::BySignificance:
        path.addRect(QRectF(centre.x() - r + 0.5, centre.y() - r + 0.5, 2 * r - 1, 2 * r - 1));
        break;
    case TestMode::ByLocationShape:
        path.moveTo(centre.x(), centre.y() - r - 0.5);
        path.lineTo(centre.x() + r + 0.5, centre.y() + r - 0.5);
        path.lineTo(centre.x() - r - 0.5, centre.y() + r - 0.5);
        path.closeSubpath();
        break;
    }
    return path;
}

void drawMark(QPainter &painter, TestMode mode, const QPointF &centre, bool hollow)
{
    const QColor color = kindColor(mode);
    painter.setPen(QPen(color, 1.5));
    painter.setBrush(hollow ? QBrush(Qt::white) : QBrush(color));
    painter.drawPath(markPath(mode, centre));
}

} // namespace

ProgressChart::ProgressChart(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Chart of your test scores"));
    // A Tab stop, so that a screen reader comes to it and reads what it shows.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    showResults({});
}

void ProgressChart::showResults(const QList<FinishedTest> &results)
{
    m_shown = chartedTests(results);
    m_note.clear();
    setAccessibleDescription(describe(m_shown));
    update();
}

void ProgressChart::showNote(const QString &note)
{
    m_shown.clear();
    m_note = note;
    setAccessibleDescription(note);
    update();
}

QString ProgressChart::describe(const QList<FinishedTest> &shown)
{
    if (shown.isEmpty())
        return tr("No tests yet. After your first test this chart shows the score of each test over time, "
                  "and the table shows how often you answered each topic right.");
    QStringList tests;
    for (const FinishedTest &test : shown) {
        const QString when = QLocale().toString(test.finished.toLocalTime().date(), QLocale::ShortFormat);
        const QString score = tr("%1 of %2 right").arg(test.score).arg(test.questionCount);
        const QString kind = TestKinds::shownName(test.mode, test.topicChoice);
        tests.append(test.topicChoice == TopicChoice::Drawn
                         ? tr("%1, %2: %3.").arg(when, kind, score)
                         : tr("%1, %2: %3, not counted as progress.").arg(when, kind, score));
    }
    const QString heading = shown.size() == 1
        ? tr("Your one test so far, scored from 0 to 10 right answers.")
        : tr("Your last %1 tests, oldest first, scored from 0 to 10 right answers.").arg(shown.size());
    return heading + QLatin1Char(' ') + tests.join(QLatin1Char(' '));
}

void ProgressChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();

    // The legend along the top, the scale on the left, the dates beneath.
    const QRectF legend(8, 4, width() - 16, line);
    const qreal scaleWidth = metrics.horizontalAdvance(QStringLiteral("10")) + 10;
    const QRectF plot(8 + scaleWidth, legend.bottom() + 10, width() - 20 - scaleWidth,
                      height() - legend.bottom() - 14 - line - 6);

    const auto yOf = [&](qreal score) { return plot.bottom() - score / kScaleTop * plot.height(); };
    painter.setFont(font());
    for (int score = 0; score <= kScaleTop; score += 2) {
        const qreal y = yOf(score);
        painter.setPen(score == 0 ? QPen(Theme::kNavy, 1) : QPen(QColor(0, 0, 128, 50), 1, Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Theme::kNavy);
        painter.drawText(QRectF(4, y - line / 2, scaleWidth, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(score));
    }
    painter.setPen(QPen(Theme::kNavy, 1));
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    if (m_shown.isEmpty()) {
        painter.setPen(Theme::kNavy);
        painter.drawText(plot.adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap,
                         m_note.isEmpty() ? tr(
                             "Your scores will appear here after your first test, one mark for each test.")
                                          : m_note);
    } else {
        const qreal slot = plot.width() / kChartedTests;
        // The newest test stands at the right-hand end, as more come in from the right.
        const auto first = kChartedTests - m_shown.size();
        const auto xOf = [&](qsizetype i) { return plot.left() + (first + i + 0.5) * slot; };
        const auto yOfTest = [&](const FinishedTest &test) {
            return yOf(test.questionCount > 0 ? qreal(kScaleTop) * test.score / test.questionCount : 0);
        };

        // A date beneath each test where it has room, always the newest.
        const QString sample = QLocale().toString(QDate(2000, 12, 28), QLocale::ShortFormat);
        const int every =
            std::max(1, static_cast<int>(std::ceil((metrics.horizontalAdvance(sample) + 16) / slot)));
        painter.setPen(Theme::kNavy);
        for (qsizetype i = m_shown.size() - 1; i >= 0; i -= every) {
            const QString when =
                QLocale().toString(m_shown.at(i).finished.toLocalTime().date(), QLocale::ShortFormat);
            const qreal x = xOf(i);
            painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
            QRectF label(x - slot * every / 2, plot.bottom() + 4, slot * every, line);
            label.moveRight(std::min(label.right(), qreal(width() - 2)));
            painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, when);
        }

        // The ordinary tests of each kind joined into a line: the progress.
        for (const TestMode mode : TestKinds::kAll) {
            QPolygonF progress;
            for (qsizetype i = 0; i < m_shown.size(); ++i) {
                const FinishedTest &test = m_shown.at(i);
                if (test.mode == mode && test.topicChoice == TopicChoice::Drawn)
                    progress.append(QPointF(xOf(i), yOfTest(test)));
            }
            painter.setPen(QPen(kindColor(mode), 1.5));
            painter.drawPolyline(progress);
        }
        for (qsizetype i = 0; i < m_shown.size(); ++i) {
            const FinishedTest &test = m_shown.at(i);
            drawMark(painter, test.mode, QPointF(xOf(i), yOfTest(test)),
                     test.topicChoice != TopicChoice::Drawn);
        }
    }
    drawLegend(painter, legend);

    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        PalmoraStyle::paintFocus(this, painter, {}, Qt::white);
    }
}

void ProgressChart::drawLegend(QPainter &painter, const QRectF &area) const
{
    struct Entry {
        TestMode mode;
        bool hollow;
        QString text;
    };
    QList<Entry> entries;
    for (const TestMode mode : TestKinds::kAll)
        entries.append({mode, false, TestKinds::shownName(mode, TopicChoice::Drawn)});
    entries.append({TestMode::ByName, true, tr("missed or weakest topics, not counted as progress")});

    // One line: a translation longer than the English is set a little smaller.
    constexpr qreal kMarkWidth = 2 * kMarkRadius + 6;
    constexpr qreal kGap = 16;
    QString texts;
    for (const Entry &entry : std::as_const(entries))
        texts += entry.text;
    const qreal marks = entries.size() * kMarkWidth + (entries.size() - 1) * kGap;
    painter.save();
    painter.setFont(fontToFit(font(), texts, qFloor(area.width() - marks)));
    const QFontMetricsF metrics(painter.font());
    qreal x = area.left();
    const qreal y = area.center().y();
    for (const Entry &entry : std::as_const(entries)) {
        drawMark(painter, entry.mode, QPointF(x + kMarkRadius + 1, y), entry.hollow);
        x += kMarkWidth;
        painter.setPen(Theme::kNavy);
        painter.drawText(QPointF(x, y + metrics.ascent() / 2 - 1), entry.text);
        x += metrics.horizontalAdvance(entry.text) + kGap;
    }
    painter.restore();
}

} // namespace palmora
