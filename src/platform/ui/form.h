#pragma once
// The base of every window: a fixed-size top-level window that is created once at start,
// hidden on close, shown modeless (Show) or modal (ShowModal), with the create, activate and
// first-show hooks that the windows use. Wherever the program places a window, its title bar
// lies on the screen; controls that lie outside what the window shows take no keyboard focus.

#include <QDialog>

#include "platform/ui/placement.h"

class VForm : public QDialog {
    Q_OBJECT
public:
    // caption: the window's caption; clientSize: its fixed client area.
    VForm(const QString& caption, QSize clientSize, QWidget* parent = nullptr);

    void Show();
    void ShowModal();

    // Run once by the window registry after the window's global reference is set.
    virtual void FormCreate() {}
    // Brings the window's own widget state (what no table holds) back to how it was after
    // FormCreate; the window tests call it between tests.
    virtual void ResetToStartState() {}

    // On a screen narrower than 800 pixels the client area moves into a scroll area with both
    // scroll bars on, as the main window's does; on a wider screen nothing changes. Called by
    // the create handler of each window that the placement rule names.
    void ScrollOnNarrowScreen(QSize screen);
    void ScrollOnNarrowScreen();  // on the primary screen

protected:
    // Runs each time the window becomes the active window.
    virtual void FormActivate() {}
    // Runs each time the program shows the window; not when it is restored after being
    // minimised.
    virtual void FormShow() {}

    // Moves the window on creation as the placement rules say for wide screens.
    void ShiftOnCreate(WideScreenShift shift);
    // Centres the window over the main window when it is first shown.
    void CentreOverMainWhenFirstShown() { centreOverMain_ = true; }
    // Centres the window on the screen when it is first shown (the main window).
    void CentreOnScreenWhenFirstShown() { centreOnScreen_ = true; }

    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The window on the screen, title bar included (placement.h's OuterRect), and a move that
    // puts its top-left at topLeft.
    QRect OuterGeometry() const;
    void MoveOuterTo(QPoint topLeft);
    void PlaceOnFirstShow();
    void KeepTitleBarOnScreen();
    void KeepFocusOffUnseenControls();

    bool centreOverMain_ = false;
    bool centreOnScreen_ = false;
    bool shownOnce_ = false;
};

// The main window that other windows centre over; set by the registry.
QWidget*& MainFormWidget();
