#include "shell/widgets/DeferredIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <memory>
#include <optional>

namespace {

// The icon built on first use, shared by every copy of the engine.
struct Built
{
    std::function<QIcon()> build;
    bool null;
    std::optional<QIcon> icon;

    const QIcon &get()
    {
        if (!icon)
            icon = build();
        return *icon;
    }
};

class DeferredEngine : public QIconEngine
{
public:
    explicit DeferredEngine(std::shared_ptr<Built> built) : m_built(std::move(built)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return m_built->icon ? m_built->icon->isNull() : m_built->null; }
    QIconEngine *clone() const override { return new DeferredEngine(m_built); }

private:
    const QIcon &icon() { return m_built->get(); }

    std::shared_ptr<Built> m_built;
};

} // namespace

namespace DeferredIcon {

QIcon make(std::function<QIcon()> build, bool null)
{
    return QIcon(new DeferredEngine(std::make_shared<Built>(Built{std::move(build), null, {}})));
}

} // namespace DeferredIcon
