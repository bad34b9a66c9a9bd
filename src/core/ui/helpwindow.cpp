#include "core/ui/helpwindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int Gap = 8;
constexpr QSize ButtonSize(75, 25);

}  // namespace

HelpWindow::HelpWindow(const HelpWindowFrame& frame)
    : VForm(QString::fromUtf8(frame.caption), frame.clientSize), opening_(frame.opening)
{
    setObjectName(QString::fromLatin1(frame.objectName));
    SetBackground(this, ToQColor(frame.colour));
    CentreOverMainWhenFirstShown();
}

void HelpWindow::Open()
{
    if (opening_ == Opening::Modal)
        ShowModal();
    else
        Show();
}

QPlainTextEdit* HelpWindow::AddMemo(const char* objectName, const QStringList& lines, const MemoStyle& style)
{
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QString::fromLatin1(objectName));
    memo->setGeometry(Gap, Gap, width() - 2 * Gap, height() - 3 * Gap - ButtonSize.height());
    memo->setFont(style.font);
    memo->setReadOnly(style.readOnly);
    memo->setVerticalScrollBarPolicy(style.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long lines wrap
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    return memo;
}

std::vector<QPushButton*> HelpWindow::AddButtons(std::initializer_list<HelpButton> buttons)
{
    std::vector<QPushButton*> made;
    const int count = static_cast<int>(buttons.size());
    int left = width() - Gap - count * ButtonSize.width() - (count - 1) * Gap;
    const int top = height() - Gap - ButtonSize.height();
    for (const HelpButton& entry : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.objectName));
        button->setGeometry(QRect(QPoint(left, top), ButtonSize));
        button->setAutoDefault(false);
        made.push_back(button);
        left += ButtonSize.width() + Gap;
    }
    return made;
}

void HelpWindow::AddTextAndCloseButton(const QStringList& lines, const MemoStyle& style,
                                       const char* closeCaption)
{
    AddMemo("Memo1", lines, style);
    const auto buttons = AddButtons({{"Button1", closeCaption}});
    connect(buttons[0], &QPushButton::clicked, this, &HelpWindow::Button1Click);
}
