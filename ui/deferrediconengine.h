#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>
#include <optional>

namespace palmora {

// An icon that is made the first time it is drawn or measured: for icons a
// window asks for when it is built but seldom shows.
class DeferredIconEngine : public QIconEngine {
public:
    using Source = std::function<QIcon()>;

    explicit DeferredIconEngine(Source source);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;

private:
    const QIcon &icon();

    Source m_source;
    std::optional<QIcon> m_icon;
};

} // namespace palmora
