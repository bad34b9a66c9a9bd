#include "output/ui/xtratext.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <algorithm>

#include "model/colours.h"
#include "platform/settingsdir.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/hourglass.h"
#include "platform/ui/kit.h"
#include "platform/ui/printercanvas.h"

namespace {

constexpr int DesignedMemoWidth = 285;
constexpr int MemoTop = 16;
constexpr int MemoHeight = 289;
constexpr int NarrowestMemo = 147;

QFont DesignedMemoFont()
{
    return ToQFont(PrintFont{QStringLiteral("MS Sans Serif"), 8});
}

// The characters a key press types into the memo: a line break for Return and Enter, else its
// text when that is printable or a tab; nothing for keys that move, delete or run a command.
qsizetype TypedLength(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::InsertParagraphSeparator) ||
        event.matches(QKeySequence::InsertLineSeparator))
        return 1;
    const QString text = event.text();
    return !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\t')) ? text.size() : 0;
}

}  // namespace

OwnTextMemo::OwnTextMemo(QWidget* parent) : QPlainTextEdit(parent)
{
}

void OwnTextMemo::FitWrapModeTo(const QString& text)
{
    const QTextOption::WrapMode mode =
        OwnTextBreaksAnywhere(text) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode)
        setWordWrapMode(mode);
}

bool OwnTextMemo::Takes(qsizetype added, qsizetype replaced)
{
    const qsizetype length = document()->characterCount() - 1;  // without the closing separator
    if (length - replaced + added <= OwnTextMaxLength)
        return true;
    ShowMessage(OwnTextTooLongMessage);
    return false;
}

bool OwnTextMemo::TakesInPlaceOfSelection(qsizetype added)
{
    const QTextCursor cursor = textCursor();
    return Takes(added, cursor.selectionEnd() - cursor.selectionStart());
}

// The pasted text joins the memo's text before the memo lays it out.
void OwnTextMemo::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText()) {
        if (!TakesInPlaceOfSelection(source->text().size()))
            return;
        FitWrapModeTo(toPlainText() + source->text());
    }
    QPlainTextEdit::insertFromMimeData(source);
}

// A refused key is kept here, so that Return does not reach the window's buttons.
void OwnTextMemo::keyPressEvent(QKeyEvent* event)
{
    if (TakesInPlaceOfSelection(TypedLength(*event)))
        QPlainTextEdit::keyPressEvent(event);
    else
        event->accept();
}

void OwnTextMemo::inputMethodEvent(QInputMethodEvent* event)
{
    if (TakesInPlaceOfSelection(event->commitString().size()))
        QPlainTextEdit::inputMethodEvent(event);
    else
        event->accept();
}

TEgentext::TEgentext()
    : VForm(QStringLiteral("Egen text"), QSize(743, 420)), FontDialogMemo(DesignedMemoFont())
{
    setObjectName(QStringLiteral("Egentext"));
    SetBackground(this, ToQColor(Cream));
    CentreOverMainWhenFirstShown();
    BuildComponents();
    ResetToStartState();
}

void TEgentext::BuildComponents()
{
    Memo1 = new OwnTextMemo(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Label1 = NewLabel(this, QStringLiteral("Label1"), QStringLiteral("Spaltbredd"), {16, 330, 80, 16});
    SpinButton1 = new QWidget(this);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setGeometry(98, 322, 20, 32);
    SpinButton1Up = new QToolButton(SpinButton1);
    SpinButton1Up->setObjectName(QStringLiteral("SpinButton1Up"));
    SpinButton1Up->setArrowType(Qt::UpArrow);
    SpinButton1Up->setGeometry(0, 0, 20, 16);
    SpinButton1Down = new QToolButton(SpinButton1);
    SpinButton1Down->setObjectName(QStringLiteral("SpinButton1Down"));
    SpinButton1Down->setArrowType(Qt::DownArrow);
    SpinButton1Down->setGeometry(0, 16, 20, 16);
    BuildButtons(this, this,
                 {{&TEgentext::Kopiera, "Kopiera", "Kopiera", {140, 326, 90, 25}},
                  {&TEgentext::Klistra, "Klistra", "Klistra in från \"clipboard\"", {236, 326, 190, 25}},
                  {&TEgentext::Button1, "Button1", "Klistra in kommentarer", {432, 326, 170, 25}},
                  {&TEgentext::Tecken, "Tecken", "Ändra teckensnitt", {608, 326, 125, 25}},
                  {&TEgentext::Radera, "Radera", "Radera allt", {140, 366, 90, 25}},
                  {&TEgentext::Lesain, "Lesain", "Läs in", {236, 366, 90, 25}},
                  {&TEgentext::Spara, "Spara", "Spara", {332, 366, 90, 25}},
                  {&TEgentext::Tillbaka, "Tillbaka", "Tillbaka", {608, 366, 125, 25}}});
    connect(SpinButton1Up, &QToolButton::clicked, this, &TEgentext::SpinButton1UpClick);
    connect(SpinButton1Down, &QToolButton::clicked, this, &TEgentext::SpinButton1DownClick);
    connect(Kopiera, &QPushButton::clicked, this, &TEgentext::KopieraClick);
    connect(Klistra, &QPushButton::clicked, this, &TEgentext::KlistraClick);
    connect(Button1, &QPushButton::clicked, this, &TEgentext::Button1Click);
    connect(Tecken, &QPushButton::clicked, this, &TEgentext::TeckenClick);
    connect(Radera, &QPushButton::clicked, this, &TEgentext::RaderaClick);
    connect(Lesain, &QPushButton::clicked, this, &TEgentext::LesainClick);
    connect(Spara, &QPushButton::clicked, this, &TEgentext::SparaClick);
    connect(Tillbaka, &QPushButton::clicked, this, &QWidget::close);
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this]() {
        Memo1->FitWrapModeTo(Memo1->toPlainText());
        PublishOwnText();
    });
}

void TEgentext::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
}

// As designed: "Plats för egen text." in "MS Sans Serif", 8 points, 285 pixels wide.
void TEgentext::ResetToStartState()
{
    ApplyState({QStringLiteral("Plats för egen text."), ToPrintFont(DesignedMemoFont()), DesignedMemoWidth});
}

// The memo stays centred in the window.
void TEgentext::SetMemoWidth(int width)
{
    Memo1->setGeometry((this->width() - width) / 2, MemoTop, width, MemoHeight);
}

void TEgentext::ApplyState(const OwnTextState& state)
{
    FontDialogMemo.setFont(ToQFont(state.font));
    Memo1->setFont(FontDialogMemo.font());
    SetMemoWidth(state.memoWidth);
    Memo1->FitWrapModeTo(state.text);
    Memo1->setPlainText(state.text);
    PublishOwnText();
}

OwnTextState TEgentext::State() const
{
    return OwnTextState{Memo1->toPlainText(), ToPrintFont(FontDialogMemo.font()), Memo1->width()};
}

QStringList TEgentext::ShownLines() const
{
    const qreal lineWidth = Memo1->width() - 2 * Memo1->frameWidth() -
                            Memo1->verticalScrollBar()->sizeHint().width() -
                            2 * Memo1->document()->documentMargin();
    QTextOption option;
    option.setWrapMode(Memo1->wordWrapMode());
    QStringList lines;
    const QString text = Memo1->toPlainText();
    if (text.isEmpty())
        return lines;  // an empty memo shows no line, so nothing is printed
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, Memo1->font());
        layout.setTextOption(option);
        const qsizetype before = lines.size();
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max<qreal>(lineWidth, 1));
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        if (lines.size() == before)
            lines << QString();
    }
    return lines;
}

void TEgentext::PublishOwnText() const
{
    OwnTextLines = ShownLines();
    OwnTextFont = ToPrintFont(FontDialogMemo.font());
}

void TEgentext::SpinButton1UpClick()
{
    SetMemoWidth(WiderMemo(Memo1->width(), frameGeometry().width()));
    PublishOwnText();
}

void TEgentext::SpinButton1DownClick()
{
    SetMemoWidth(NarrowerMemo(Memo1->width()));
    PublishOwnText();
}

void TEgentext::TeckenClick()
{
    if (!FontDialogMemo.Execute(this))
        return;
    Memo1->setFont(FontDialogMemo.font());
    PublishOwnText();
}

void TEgentext::KopieraClick()
{
    Memo1->copy();
}

void TEgentext::KlistraClick()
{
    Memo1->paste();
}

void TEgentext::RaderaClick()
{
    Memo1->clear();
}

void TEgentext::SparaClick()
{
    const QString failure = SaveOwnText(State(), SettingsDir());
    if (!failure.isEmpty())
        ShowErrorMessage(failure);
}

void TEgentext::LesainClick()
{
    OwnTextLoad load;
    {
        const HourglassCursor hourglass;
        load = LoadOwnText(State(), SettingsDir(), NarrowestMemo, frameGeometry().width());
        if (load.message.isEmpty())
            ApplyState(load.settings);
    }
    if (!load.message.isEmpty())
        ShowMessage(load.message);
}

void TEgentext::Button1Click()
{
    const QString comments = ConditionCommentsText();
    if (comments.isEmpty() || !Memo1->Takes(comments.size()))
        return;
    QTextCursor end = Memo1->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(comments);
}

TEgentext* Egentext = nullptr;
