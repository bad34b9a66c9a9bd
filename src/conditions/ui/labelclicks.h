#pragma once
// Mouse handlers for labels, which have no click signal of their own: a press of any button
// (OnPress), or a left click, a press and a release over the same label (OnClick). One event
// filter serves all labels of a window; a disabled label takes no mouse input.

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

class LabelClicks : public QObject {
public:
    explicit LabelClicks(QObject* parent) : QObject(parent) {}

    void OnPress(QWidget* label, std::function<void()> handler);
    void OnClick(QWidget* label, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QHash<QObject*, std::function<void()>> onPress_;
    QHash<QObject*, std::function<void()>> onClick_;
    QObject* pressedForClick_ = nullptr;
};
