#pragma once
// The one kit every window is built from: fonts, labels, boxes, shapes, buttons, check boxes,
// edits and headings, each named (objectName) and placed at its absolute geometry, and the
// table-driven builders for rows of components (member, name, caption, geometry).

#include <QFont>
#include <QRect>
#include <QString>
#include <initializer_list>

#include "platform/ui/colours.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Arial and Tahoma are drawn with Liberation Sans, Courier New with Liberation Mono.
QFont SansFont(int pixels, bool bold = false);
QFont MonoFont(int pixels);
// The windows' default font.
const QFont& WindowFont();

// The look of the whole program: the Fusion style, the windows' font and the Swedish locale
// with Qt's own Swedish translation, so that standard buttons read "Ja", "Nej", "Avbryt" and
// the file and font dialogs speak Swedish. Called by the program, the window tests and the
// benchmarks, so that all of them see the same windows.
void ApplyProgramLook();
// The Swedish locale and Qt's Swedish translation from the installed translations (Debian's
// qt6-translations-l10n), completed by the program's own Swedish for the texts of the standard
// dialogs that it lacks (swedishtexts.h).
void InstallSwedishTranslation();

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                 const QFont& font = WindowFont(), Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
QLabel* NewCentredLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                        const QFont& font = WindowFont());
// A left-aligned label whose text wraps into lines of the label's own width.
QLabel* NewWrappedLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                        const QFont& font);
// An opaque label in the given colours.
QLabel* NewBox(QWidget* parent, const QString& name, const QString& caption, QRect rect, const QFont& font,
               const QColor& background, const QColor& text = Qt::black);
// A filled rectangle with a thin black border.
QLabel* NewShape(QWidget* parent, const QString& name, QRect rect, const QColor& fill);
QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                       const QFont& font = SansFont(12));
QCheckBox* NewCheckBox(QWidget* parent, const QString& name, const QString& caption, QRect rect);
// A radio button in its parent's font.
QRadioButton* NewRadioButton(QWidget* parent, const QString& name, const QString& caption, QRect rect);
QLineEdit* NewEdit(QWidget* parent, const QString& name, QRect rect, int maxLength);
// Shows the text in a label of fixed width: whole when it fits; otherwise its first words that
// fit, followed by "…", and the whole text in the label's tooltip.
void SetFittedText(QLabel* label, const QString& text);
// The width that a window needs for a title bar to show its caption whole: the caption in a title
// bar's font (bold, 15 pixels: the 11 points of common desktops) beside the icon and the three
// buttons of a title bar, about 110 pixels together.
int TitleBarWidthFor(const QString& caption);
// The yellow-on-blue captions over boxes.
QLabel* NewHeading(QWidget* parent, const QString& caption, QRect rect);

// One component of a table of components: the window's member, its name and caption (UTF-8)
// and its geometry.
template <typename Form, typename Control>
struct ControlSpec {
    Control* Form::*member;
    const char* name;
    const char* caption;
    QRect rect;
};

template <typename Form>
void BuildButtons(Form* form, QWidget* parent, std::initializer_list<ControlSpec<Form, QPushButton>> specs,
                  const QFont& font = SansFont(12))
{
    for (const auto& s : specs)
        form->*s.member =
            NewButton(parent, QString::fromLatin1(s.name), QString::fromUtf8(s.caption), s.rect, font);
}

template <typename Form>
void BuildCheckBoxes(Form* form, QWidget* parent, std::initializer_list<ControlSpec<Form, QCheckBox>> specs)
{
    for (const auto& s : specs)
        form->*s.member =
            NewCheckBox(parent, QString::fromLatin1(s.name), QString::fromUtf8(s.caption), s.rect);
}

template <typename Form>
void BuildLabels(Form* form, QWidget* parent, std::initializer_list<ControlSpec<Form, QLabel>> specs,
                 const QFont& font = WindowFont(), Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    for (const auto& s : specs)
        form->*s.member =
            NewLabel(parent, QString::fromLatin1(s.name), QString::fromUtf8(s.caption), s.rect, font, align);
}
