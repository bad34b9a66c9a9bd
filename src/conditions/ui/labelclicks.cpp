#include "conditions/ui/labelclicks.h"

#include <QMouseEvent>
#include <QWidget>

void LabelClicks::OnPress(QWidget* label, std::function<void()> handler)
{
    label->installEventFilter(this);
    onPress_.insert(label, std::move(handler));
}

void LabelClicks::OnClick(QWidget* label, std::function<void()> handler)
{
    label->installEventFilter(this);
    onClick_.insert(label, std::move(handler));
}

bool LabelClicks::eventFilter(QObject* watched, QEvent* e)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->isEnabled())
        return QObject::eventFilter(watched, e);
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(e);
        if (const auto press = onPress_.constFind(watched); press != onPress_.constEnd()) {
            const std::function<void()> handler = press.value();
            handler();
            return true;
        }
        if (mouse->button() == Qt::LeftButton && onClick_.contains(watched)) {
            pressedForClick_ = watched;
            return true;
        }
    }
    if (e->type() == QEvent::MouseButtonRelease && watched == pressedForClick_) {
        pressedForClick_ = nullptr;
        const auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            const std::function<void()> handler = onClick_.value(watched);
            handler();
        }
        return true;
    }
    return QObject::eventFilter(watched, e);
}
