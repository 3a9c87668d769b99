#include "ui/wrappedlabel.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

#include <cmath>

namespace palmora {

namespace {
// A layout settles on a width or two; a few more cover a window being resized.
constexpr qsizetype kRememberedWidths = 4;
} // namespace

WrappedLabel::WrappedLabel(QWidget *parent)
    : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    // Laid out as the label lays out its own text.
    m_measure.setDocumentMargin(0);
    QTextOption option = m_measure.defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    m_measure.setDefaultTextOption(option);
}

void WrappedLabel::showText(const QString &text)
{
    // A text the user is not pointing at, nor selecting from, goes back to
    // being drawn: no text document is kept for it.
    if (!underMouse() && !hasFocus())
        setTextInteractionFlags(Qt::NoTextInteraction);
    setText(text);
}

void WrappedLabel::enterEvent(QEnterEvent *event)
{
    if (!(textInteractionFlags() & Qt::TextSelectableByMouse))
        setTextInteractionFlags(Qt::TextSelectableByMouse);
    QLabel::enterEvent(event);
}

void WrappedLabel::paintEvent(QPaintEvent *event)
{
    if (textInteractionFlags() != Qt::NoTextInteraction || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    checkText();
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    // The width it is drawn at is the width the layout asked about last.
    m_measure.setTextWidth(area.width());
    QPainter painter(this);
    painter.translate(area.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(
        QPalette::Text,
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    context.clip = QRectF(0, 0, area.width(), area.height());
    painter.setClipRect(context.clip);
    m_measure.documentLayout()->draw(&painter, context);
}

void WrappedLabel::checkText() const
{
    // QLabel::setText() is not virtual, so a changed text is noticed here.
    if (text() != m_measuredText) {
        m_measuredText = text();
        forget();
    }
}

void WrappedLabel::forget() const
{
    m_heights.clear();
    m_sizeHint = QSize();
    m_minimumSizeHint = QSize();
    // Each change lays the copy out again at the width it was last asked about,
    // which is most often the width it is asked about next.
    if (m_measure.defaultFont() != font())
        m_measure.setDefaultFont(font());
    if (m_measure.toPlainText() != m_measuredText)
        m_measure.setPlainText(m_measuredText);
}

QSize WrappedLabel::extra() const
{
    const QMargins margins = contentsMargins();
    const int frame = 2 * margin() + 2 * frameWidth() + qMax(indent(), 0);
    return {margins.left() + margins.right() + frame, margins.top() + margins.bottom() + frame};
}

QSize WrappedLabel::minimumSizeHint() const
{
    checkText();
    if (!m_minimumSizeHint.isValid()) {
        // The widest word on one line, measured word by word.
        const QFontMetrics metrics = fontMetrics();
        int widest = 0;
        for (const QStringView word : QStringView(m_measuredText).split(QChar::Space, Qt::SkipEmptyParts))
            widest = qMax(widest, metrics.horizontalAdvance(word.toString()));
        m_minimumSizeHint = QSize(widest, metrics.height()) + extra();
    }
    return m_minimumSizeHint;
}

QSize WrappedLabel::sizeHint() const
{
    checkText();
    if (!m_sizeHint.isValid()) {
        // The text at the width the label has, or at its smallest width before
        // it has one: in a layout the height for the width given is what counts.
        const int width = qMax(minimumSizeHint().width(), this->width());
        m_sizeHint = QSize(width, heightForWidth(width));
    }
    return m_sizeHint;
}

int WrappedLabel::heightForWidth(int width) const
{
    checkText();
    for (const auto &[knownWidth, height] : std::as_const(m_heights)) {
        if (knownWidth == width)
            return height;
    }
    const QSize around = extra();
    m_measure.setTextWidth(qMax(width - around.width(), 0));
    const int height =
        qMax(static_cast<int>(std::ceil(m_measure.size().height())) + around.height(), minimumHeight());
    if (m_heights.size() == kRememberedWidths)
        m_heights.removeFirst();
    m_heights.append({width, height});
    return height;
}

void WrappedLabel::changeEvent(QEvent *event)
{
    // Anything that changes how the text is drawn changes its size.
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
    case QEvent::LayoutDirectionChange:
        forget();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

} // namespace palmora
