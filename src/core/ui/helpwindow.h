#pragma once
// What the information windows have in common: a fixed caption, size and colour, a memo with
// the window's text, a row of buttons at the bottom right, and the way their openers show
// them (modal ones make the opener wait until they are closed).

#include <QColor>

#include <QFont>
#include <QStringList>
#include <initializer_list>
#include <vector>

#include "platform/ui/colours.h"
#include "platform/ui/form.h"

class QPlainTextEdit;
class QPushButton;

enum class Opening { Modal, Modeless };

struct HelpWindowFrame {
    const char* objectName;
    const char* caption;  // UTF-8
    QSize clientSize;
    Rgb colour;
    Opening opening;
};

struct MemoStyle {
    bool scrollBar = true;  // a vertical scroll bar, always shown
    bool readOnly = true;
    QFont font = QFont();
};

struct HelpButton {
    const char* objectName;
    const char* caption;  // UTF-8
};

class HelpWindow : public VForm {
    Q_OBJECT
public:
    // Shows the window as its openers do: modal or modeless. A window already open is
    // brought to the front; there is never a second copy.
    void Open();
    // The close handler of the windows whose close button is Button1.
    void Button1Click() { close(); }

protected:
    explicit HelpWindow(const HelpWindowFrame& frame);

    // A memo over the client area above the button row, holding lines.
    QPlainTextEdit* AddMemo(const char* objectName, const QStringList& lines, const MemoStyle& style);
    // Buttons side by side at the bottom right, in the given order from left to right.
    std::vector<QPushButton*> AddButtons(std::initializer_list<HelpButton> buttons);
    // The whole of a plain help window: the memo Memo1 with lines, and Button1, which closes.
    void AddTextAndCloseButton(const QStringList& lines, const MemoStyle& style, const char* closeCaption);

private:
    Opening opening_;
};
