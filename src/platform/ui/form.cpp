#include "platform/ui/form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>

#include "platform/ui/dialogs.h"

namespace {

bool HasTitleBar(const QWidget* window)
{
    return !window->windowFlags().testFlag(Qt::FramelessWindowHint);
}

// Whether any of the control shows in its window: what a scroll area scrolls counts as shown.
bool ShowsInItsWindow(const QWidget* control)
{
    QRect visible = control->rect();
    for (const QWidget* w = control; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        if (parent->objectName() == QLatin1String("qt_scrollarea_viewport"))
            break;
        visible &= QRect(control->mapFrom(parent, QPoint(0, 0)), parent->size());
    }
    return !visible.isEmpty();
}

}  // namespace

QWidget*& MainFormWidget()
{
    static QWidget* main = nullptr;
    return main;
}

VForm::VForm(const QString& caption, QSize clientSize, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void VForm::Show()
{
    show();
    raise();
    activateWindow();
}

void VForm::ShowModal()
{
    ::ShowModal(this);
}

void VForm::ScrollOnNarrowScreen(QSize screen)
{
    if (!NeedsHorizontalScrollBar(screen))
        return;
    auto* client = new QWidget;
    client->setFixedSize(size());
    client->setAutoFillBackground(true);
    client->setPalette(palette());
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool hidden = child->isHidden();
        child->setParent(client);
        child->setVisible(!hidden);
    }
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("ScrollArea"));
    area->setGeometry(rect());
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setWidget(client);
}

void VForm::ScrollOnNarrowScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        ScrollOnNarrowScreen(screen->size());
}

void VForm::ShiftOnCreate(WideScreenShift shift)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    move(ShiftedForScreen(pos(), screen->size(), shift));
}

bool VForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(e);
}

QRect VForm::OuterGeometry() const
{
    return OuterRect(geometry(), frameGeometry());
}

void VForm::MoveOuterTo(QPoint topLeft)
{
    move(pos() + (topLeft - OuterGeometry().topLeft()));
}

void VForm::PlaceOnFirstShow()
{
    const QWidget* main = MainFormWidget();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize own = OuterGeometry().size();
    if (centreOnScreen_ && screen)
        MoveOuterTo(CentredOver(QRect(QPoint(0, 0), screen->size()), own, screen->virtualGeometry()));
    else if (centreOverMain_ && main && main != this && main->screen())
        MoveOuterTo(CentredOver(OuterRect(main->geometry(), main->frameGeometry()), own,
                                main->screen()->availableGeometry()));
}

void VForm::KeepTitleBarOnScreen()
{
    if (!HasTitleBar(this) || !screen())
        return;
    const QRect outer = OuterGeometry();
    const QPoint onScreen = TitleBarOnArea(outer, screen()->availableGeometry());
    if (onScreen != outer.topLeft())
        MoveOuterTo(onScreen);
}

// The windows keep controls that the user never sees outside their client area (the dummy race
// slot's edits, for example), with their values; Tab must not walk into them, where a typed
// value would change what the user cannot see.
void VForm::KeepFocusOffUnseenControls()
{
    for (QWidget* control : findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus && !ShowsInItsWindow(control))
            control->setFocusPolicy(Qt::NoFocus);
}

void VForm::showEvent(QShowEvent* e)
{
    if (!shownOnce_) {
        shownOnce_ = true;
        PlaceOnFirstShow();
    }
    if (testAttribute(Qt::WA_Moved))
        KeepTitleBarOnScreen();
    KeepFocusOffUnseenControls();
    QDialog::showEvent(e);
    // A window restored from the task bar gets a show event from the window system; that
    // is not a showing of the window.
    if (!e->spontaneous())
        FormShow();
}

// Every move by the program (a designed place, a shift, a centring, a place beside another
// window) comes here unspontaneously; the user's own moves are the window system's. A window
// that the program never placed is placed by the window system.
void VForm::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    if (!e->spontaneous() && testAttribute(Qt::WA_Moved))
        KeepTitleBarOnScreen();
}

void VForm::keyPressEvent(QKeyEvent* e)
{
    // Escape does not close a window of this program; only its close box or its buttons do.
    if (e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}
