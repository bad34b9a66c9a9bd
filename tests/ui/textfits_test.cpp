// Every text fits its control in the control's own font: a walk over every window of the
// program, its caption and every label, button, check box, radio button and edit (the edits of
// the spin boxes included). The few places where the program means its text to be cut are
// listed with their reasons.

#include <gtest/gtest.h>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSpinBox>
#include <QTextDocument>
#include <optional>

#include "conditions/pointsfile.h"
#include "conditions/ui/cvillkor.h"
#include "conditions/ui/ordn.h"
#include "core/ui/aboutb.h"
#include "grading/ui/rettar2.h"
#include "racedata/ui/datavisa.h"
#include "racedata/ui/startlists.h"
#include "windowset.h"

namespace {

// What a push button and an edit need around their text: the frame, and air in an edit.
constexpr int ButtonMargin = 1;
constexpr int EditMargin = 4;

// The controls whose text is meant to be cut: window class, object names, reason.
struct MeantCut {
    const char* window;
    const char* names;  // a pattern over whole object names
    const char* reason;
};
const MeantCut MeantToBeCut[] = {
    {"TData", "H[1-7][0-9]+",
     "a row of the race-data window is a 120-pixel panel: the name column is 70 pixels wide and a longer "
     "name is cut at its edge; the per-race start-list window shows the whole name"},
    {"TData", "Ps[1-7][0-9]+",
     "the driver column of the row is 35 (race 1: 40) pixels wide, cut like the name"},
    {"TData", "O[1-7][0-9]+", "the odds column is 26 pixels wide: odds of four digits and more are cut"},
};

bool IsMeantToBeCut(const QString& window, const QString& name)
{
    for (const MeantCut& cut : MeantToBeCut)
        if (window == QLatin1String(cut.window) &&
            QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(cut.names)))
                .match(name)
                .hasMatch())
            return true;
    return false;
}

struct Misfit {
    QString text;
    QSize needed;
    QSize room;
};

QString PlainTextOf(const QLabel* label)
{
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }
    return label->text();
}

// The room and the need of one text in a font: the widest line and the ink of all lines.
QSize TextNeed(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int ink = metrics.tightBoundingRect(text).height();
    const int height = lines.size() == 1 ? ink : (lines.size() - 1) * metrics.lineSpacing() + ink;
    return {width, height};
}

std::optional<Misfit> LabelMisfit(const QLabel* label)
{
    const QString text = PlainTextOf(label);
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const QRect room = label->contentsRect().marginsRemoved(label->contentsMargins());
    if (label->wordWrap()) {
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, Qt::TextWordWrap, text);
        if (needed.height() <= label->contentsRect().height())
            return std::nullopt;
        return Misfit{text, needed.size(), label->contentsRect().size()};
    }
    const QSize needed = TextNeed(label->font(), text);
    const int indent = std::max(label->indent(), 0) + label->margin() * 2;
    const QSize available(label->contentsRect().width() - indent, label->contentsRect().height());
    if (needed.width() <= available.width() && needed.height() <= available.height())
        return std::nullopt;
    return Misfit{text, needed, available};
}

std::optional<Misfit> ButtonMisfit(const QAbstractButton* button)
{
    const QString text = button->text().remove(QLatin1Char('&'));
    if (text.trimmed().isEmpty())
        return std::nullopt;
    QSize available = button->size() - QSize(2 * ButtonMargin, 0);
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const bool box = qobject_cast<const QCheckBox*>(button) != nullptr;
        available = button->style()
                        ->subElementRect(box ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
                                         &option, button)
                        .size();
    }
    const QSize needed = TextNeed(button->font(), text);
    if (needed.width() <= available.width() && needed.height() <= available.height())
        return std::nullopt;
    return Misfit{text, needed, available};
}

std::optional<Misfit> EditMisfit(const QLineEdit* edit)
{
    const QString text = edit->displayText();
    if (text.trimmed().isEmpty())
        return std::nullopt;
    QSize available = edit->size() - QSize(2 * EditMargin, 0);
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(edit->parentWidget())) {
        // A spin box lays out its edit only when shown: the room is the style's edit field.
        QStyleOptionSpinBox option;
        option.initFrom(spin);
        option.subControls = QStyle::SC_All;
        option.buttonSymbols = spin->buttonSymbols();
        option.frame = spin->hasFrame();
        available = spin->style()
                        ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, spin)
                        .size() -
                    QSize(EditMargin, 0);
    }
    const QSize needed = TextNeed(edit->font(), text);
    if (needed.width() <= available.width() && needed.height() <= available.height())
        return std::nullopt;
    return Misfit{text, needed, available};
}

// The part of the control that its parents leave visible, in its own coordinates.
QRect VisiblePart(const QWidget* control, const QWidget* window)
{
    QRect visible = control->rect();
    for (const QWidget* w = control; w != window && w->parentWidget(); w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        // A scroll area lays out its viewport only when shown; what it scrolls is never cut.
        if (parent->objectName() == QLatin1String("qt_scrollarea_viewport"))
            break;
        visible &= QRect(control->mapFrom(parent, QPoint(0, 0)), parent->size());
    }
    return visible;
}

// Where a left- or right-aligned one-line label draws its text, in window coordinates.
QRect DrawnTextRect(const QLabel* label, const QWidget* window)
{
    const QString text = PlainTextOf(label);
    if (label->wordWrap() || text.trimmed().isEmpty() || text.contains(QLatin1Char('\n')))
        return {};
    const int width = QFontMetrics(label->font()).horizontalAdvance(text);
    const QRect room = label->contentsRect();
    QRect drawn(room.left(), room.top(), width, room.height());
    if (label->alignment() & Qt::AlignRight)
        drawn.moveRight(room.right());
    else if (label->alignment() & Qt::AlignHCenter)
        drawn.moveLeft(room.left() + (room.width() - width) / 2);
    return QRect(label->mapTo(window, drawn.topLeft()), drawn.size());
}

// Where a word-wrapped label draws its lines, in window coordinates.
QRect WrappedTextRect(const QLabel* label, const QWidget* window)
{
    const QString text = PlainTextOf(label);
    if (text.trimmed().isEmpty())
        return {};
    const QRect drawn = QFontMetrics(label->font())
                            .boundingRect(label->contentsRect(), Qt::TextWordWrap | label->alignment(), text);
    return QRect(label->mapTo(window, drawn.topLeft()), drawn.size());
}

std::optional<Misfit> MisfitOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return LabelMisfit(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return ButtonMisfit(button);
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return EditMisfit(edit);
    return std::nullopt;
}

QString TextOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return PlainTextOf(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->displayText();
    return {};
}

// A text that the edge of the window or of a panel cuts: a label's drawn text (every line of
// a word-wrapped one) must lie in what shows of it, any other control with a text must show
// whole.
std::optional<Misfit> CutByParent(const QWidget* control, const QWidget* window)
{
    const QRect visible = VisiblePart(control, window);
    // Wholly outside its window (the dummy race's controls) is never seen, so never cut.
    if (visible == control->rect() || visible.isEmpty() || TextOf(control).trimmed().isEmpty() ||
        qobject_cast<const QAbstractSpinBox*>(control->parentWidget()))
        return std::nullopt;
    const auto* label = qobject_cast<const QLabel*>(control);
    if (!label)
        return Misfit{TextOf(control), control->size(), visible.size()};
    const QRect drawn = label->wordWrap() ? WrappedTextRect(label, window) : DrawnTextRect(label, window);
    const QRect shown(control->mapTo(window, visible.topLeft()), visible.size());
    if (drawn.isEmpty() || shown.contains(drawn))
        return std::nullopt;
    return Misfit{PlainTextOf(label), drawn.size(), shown.size()};
}

QString NameOf(const QWidget* control)
{
    QString name = control->objectName();
    if (name.startsWith(QLatin1String("qt_spinbox")) && control->parentWidget())
        name = control->parentWidget()->objectName();
    return name;
}

// The ink of a one-line label's text on its line: where it draws, its capitals' height.
QRect InkBand(const QLabel* label, const QWidget* window)
{
    QRect drawn = DrawnTextRect(label, window);
    if (drawn.isEmpty())
        return {};
    const QFontMetrics metrics(label->font());
    const int top = label->alignment() & Qt::AlignTop ? 0 : (drawn.height() - metrics.height()) / 2;
    return QRect(drawn.left(), drawn.top() + top + metrics.ascent() - metrics.capHeight(), drawn.width(),
                 metrics.capHeight());
}

// Labels of one parent whose texts run into each other on the same line: less than a blank of
// either text's font between them reads as one word.
QStringList TextsRunningTogether(const QWidget* window, const QString& className)
{
    QStringList found;
    QList<const QLabel*> seen;
    const auto blank = [](const QLabel* label) {
        return QFontMetrics(label->font()).horizontalAdvance(QLatin1Char(' '));
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || IsMeantToBeCut(className, NameOf(label)))
            continue;
        const QRect ink = InkBand(label, window);
        if (ink.isEmpty() || VisiblePart(label, window).isEmpty())
            continue;
        for (const QLabel* other : seen)
            if (const int gap = std::min(blank(label), blank(other));
                other->parentWidget() == label->parentWidget() &&
                ink.adjusted(-gap, 0, gap, 0).intersects(InkBand(other, window)))
                found << QStringLiteral("%1: \"%2\" runs into \"%3\"")
                             .arg(className, PlainTextOf(label), PlainTextOf(other));
        seen << label;
    }
    return found;
}

// A window's caption in a real title bar: a bold 15-pixel font (the 11 points of common desktops)
// beside the window's icon and its three buttons, which take about 110 pixels together.
std::optional<Misfit> CaptionMisfit(const QWidget* window)
{
    constexpr int IconAndButtons = 110;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    const QString caption = window->windowTitle();
    const QSize needed(QFontMetrics(font).horizontalAdvance(caption) + IconAndButtons, 0);
    if (caption.trimmed().isEmpty() || needed.width() <= window->width())
        return std::nullopt;
    return Misfit{caption, needed, QSize(window->width(), 0)};
}

}  // namespace

// Every control of the window that shows a text which does not fit: "Class.object"; a caption
// that a title bar would cut: "Class caption".
// Reusable for any window, also one built later.
QStringList TextsThatDoNotFit(const QWidget* window)
{
    QStringList found;
    const QString className = QString::fromLatin1(window->metaObject()->className());
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QString name = NameOf(control);
        if (IsMeantToBeCut(className, name))
            continue;
        const QString where =
            className + QLatin1Char('.') + (name.isEmpty() ? QStringLiteral("(unnamed)") : name);
        std::optional<Misfit> misfit = MisfitOf(control);
        if (!misfit)
            misfit = CutByParent(control, window);
        if (misfit)
            found << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                         .arg(where, misfit->text)
                         .arg(misfit->needed.width())
                         .arg(misfit->needed.height())
                         .arg(misfit->room.width())
                         .arg(misfit->room.height());
    }
    if (const std::optional<Misfit> caption = CaptionMisfit(window))
        found << QStringLiteral("%1 caption \"%2\": needs %3 pixels, has %4")
                     .arg(className, caption->text)
                     .arg(caption->needed.width())
                     .arg(caption->room.width());
    // A window not shown yet may still place its controls when it is shown (the reserve strips).
    if (window->isVisible())
        found << TextsRunningTogether(window, className);
    return found;
}

namespace {

class TextsFit : public WindowSetTest {};

TEST_F(TextsFit, EveryTextOfEveryWindowFitsItsControl)
{
    QStringList found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<VForm*>(window))
            found << TextsThatDoNotFit(window);
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

// The widest values: every point at its maximum 100.
TEST_F(TextsFit, FullPointsFitTheirEdits)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[r][h][1] = 100;
    Chansvillkor->Show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(Chansvillkor, &activate);
    ASSERT_EQ(Chansvillkor->vch[1][1]->text(), QStringLiteral("100"));
    const QStringList found = TextsThatDoNotFit(Chansvillkor);
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

// Long but real race data: full start lists with long names, the race title of a page copied
// from Firefox and the widest points a points file holds, shown in the race-data window, a
// start-list window, the order window and the about box.
TEST_F(TextsFit, RaceDataWithLongNamesFits)
{
    for (int race = 1; race <= 6; ++race) {
        RaceInfoLines[race][0] = QStringLiteral(" Lopp 10    2140 m Autostart ");
        for (int h = 1; h <= StartNumbers; ++h) {
            const int i = HorseIndex(race, h);
            HorseNames[race][h] = QStringLiteral("%1 Västerbo Dusktodawn").arg(h);
            DriverNames[race][h] = QStringLiteral("Örjan Kihlström");
            StreckTexts[race][h] = QStringLiteral("100%");
            OddsTexts[race][h] = QStringLiteral("999,99");
            HorsePresent[i] = 1;
            HorsePoints[i] = PointsFileMaxPoint;
        }
    }
    StartListLoaded = 1;
    Data->FillDataWindow();
    Data->Button12->click();  // "Hämta" cancelled: the points held are shown
    Data->CBPoeng->click();
    Data->Show();
    Startlista3->Show();
    Ordningsf->Show();
    AboutC->Open();
    QStringList found;
    for (QWidget* window : std::initializer_list<QWidget*>{Data, Startlista3, Ordningsf, AboutC})
        found << TextsThatDoNotFit(window);
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Data->S[1]->text(), QStringLiteral("Lopp 10…"));  // the whole title in the tooltip
    EXPECT_EQ(Data->S[1]->toolTip(), RaceInfoLines[1][0]);
}

// The name of the row order in force stands a blank apart from "Aktuell ordning:" and from the
// column heading after it, whichever order it names.
TEST_F(TextsFit, EveryRowOrderNameStandsApart)
{
    Data->Show();
    for (QPushButton* order : {Data->Button3, Data->Button2, Data->Button17, Data->Button11, Data->Button5}) {
        order->click();
        const QStringList found = TextsThatDoNotFit(Data);
        EXPECT_TRUE(found.isEmpty()) << Data->Lordning->text().toStdString() << ":\n"
                                     << found.join(QLatin1Char('\n')).toStdString();
    }
}

// A won amount, its "kr" and the sum stand a blank apart, from the widest amount the grading
// gives to the narrowest.
TEST_F(TextsFit, WonAmountsStandApartFromTheirKr)
{
    Retta2->Show();
    for (const QString& amount :
         {QStringLiteral("9999900000000"), QStringLiteral("97060"), QStringLiteral("0")}) {
        for (QLabel* label : Retta2->AmountLabels)
            label->setText(amount);
        Retta2->VinstSummaEdit->setText(amount);
        const QStringList found = TextsThatDoNotFit(Retta2);
        EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
    }
}

}  // namespace
