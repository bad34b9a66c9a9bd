#pragma once
// The fixture of the main window's tests. The 64 windows are created once for all tests; each
// test starts from the tables' defaults, the main window painted from them and no other
// window open. The helpers reach the main window's controls by object name and drive them
// with the mouse.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QString>
#include <QTableWidget>
#include <QWindow>
#include <stdexcept>

#include "app/forms.h"
#include "conditions/abcdlist.h"
#include "core/ui/huvf.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"

class WindowSetTest : public ::testing::Test {
protected:
    // The marking colours of groups A and C.
    static inline const QColor Magenta{255, 0, 255};
    static inline const QColor Aqua{0, 255, 255};

    static void SetUpTestSuite()
    {
        if (V65x)
            return;
        InitializeGlobals();
        CreateAllForms();
    }

    void SetUp() override { StartClean(); }

    void TearDown() override { TestDialogs() = DialogSeam(); }

    // The tables at their defaults, the window painted from them, no other window open.
    static void StartClean()
    {
        ResetGlobals();
        InitAbcdList();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != V65x)
                window->hide();
            RecreateClosedWindow(window);
            if (auto* form = qobject_cast<VForm*>(window))
                form->ResetToStartState();
        }
        TestDialogs().Reset();
    }

    // A close that a window accepts takes its platform window away and keeps its QWindow; Qt
    // then sends no close event when close() is called on it while it is hidden, so a close
    // during a run would go unnoticed in a test that runs after one that closed the window.
    // Created again, every window answers close() alike, whichever tests ran before.
    static void RecreateClosedWindow(QWidget* window)
    {
        if (window->windowHandle() && !window->windowHandle()->handle())
            window->winId();
    }

    // The main window's control of that object name. A missing one fails the test and ends
    // it (the exception stops the test body).
    template <typename T = QLabel>
    static T* Find(const char* name)
    {
        T* control = V65x->findChild<T*>(QString::fromLatin1(name));
        if (!control) {
            ADD_FAILURE() << "no control named " << name;
            throw std::runtime_error(name);
        }
        return control;
    }

    static QString Text(const char* name) { return Find(name)->text(); }

    // Clicks the button of that name as code does.
    static void Click(const char* name) { Find<QAbstractButton>(name)->click(); }

    static void SendMouse(QWidget* target, QEvent::Type type, QPoint at,
                          Qt::MouseButton button = Qt::LeftButton)
    {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    // A key pressed and let go on that control, without modifiers.
    static void SendKey(QWidget* target, int key)
    {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &event);
        }
    }

    static void Press(QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        SendMouse(control, QEvent::MouseButtonPress, {3, 3}, button);
    }

    // A press and a release with the left button at that point.
    static void MouseClick(QWidget* target, QPoint at = {3, 3})
    {
        SendMouse(target, QEvent::MouseButtonPress, at);
        SendMouse(target, QEvent::MouseButtonRelease, at);
    }

    // Presses the marking cell of race, group 1-4 and start number: R + race + group + start
    // number in two digits.
    static void Mark(int race, int group, int horse, Qt::MouseButton button = Qt::LeftButton)
    {
        const QString cell =
            QStringLiteral("R%1%2%3").arg(race).arg(group).arg(horse, 2, 10, QLatin1Char('0'));
        Press(Find(cell.toLatin1()), button);
    }

    static void MarkOneAHorsePerRace()
    {
        for (int race = 1; race <= 6; ++race)
            Mark(race, GroupA, 1);
    }

    // The text of a cell of the ABCD list, rows counted from 1.
    static QString ListCell(int listRow, int column)
    {
        return V65x->ABClista->item(listRow - 1, column)->text();
    }

    static void ExpectLook(const char* name, const QColor& background, const QColor& text)
    {
        SCOPED_TRACE(name);
        EXPECT_EQ(BackgroundOf(Find(name)), background);
        EXPECT_EQ(TextColourOf(Find(name)), text);
    }
};
