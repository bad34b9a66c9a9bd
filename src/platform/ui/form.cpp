#include "platform/ui/form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>

#include "platform/ui/dialogs.h"

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

void VForm::showEvent(QShowEvent* e)
{
    if (!shownOnce_) {
        shownOnce_ = true;
        const QWidget* main = MainFormWidget();
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (centreOnScreen_ && screen)
            move(CentredOver(QRect(QPoint(0, 0), screen->size()), frameGeometry().size(),
                             screen->virtualGeometry()));
        else if (centreOverMain_ && main && main != this && main->screen())
            move(CentredOver(main->frameGeometry(), frameGeometry().size(),
                             main->screen()->availableGeometry()));
    }
    QDialog::showEvent(e);
    // A window restored from the task bar gets a show event from the window system; that
    // is not a showing of the window.
    if (!e->spontaneous())
        FormShow();
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
