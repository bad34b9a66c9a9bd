#pragma once
// The own-text window: the free text printed at the end of the system print-out, its font and
// column width, the clipboard, the conditions' comments, and the two settings files. Every
// change of the text, the font or the width updates OwnTextLines and OwnTextFont, which the
// print-out prints.

#include "output/owntext.h"
#include "platform/ui/form.h"
#include "platform/ui/printer.h"

#include <QPlainTextEdit>

class QInputMethodEvent;
class QKeyEvent;
class QLabel;
class QMimeData;
class QPushButton;
class QToolButton;

// The own-text memo. It breaks its lines anywhere while its text holds a run too long to break
// between words in reasonable time (OwnTextBreaksAnywhere); a paste chooses the mode before the
// new text is laid out, every other change after it. It holds at most OwnTextMaxLength
// characters: typing, a paste or a drop that would make the text longer is refused before it
// changes anything, and the user is told.
class OwnTextMemo : public QPlainTextEdit {
public:
    explicit OwnTextMemo(QWidget* parent);
    void FitWrapModeTo(const QString& text);
    // Whether the text stays within OwnTextMaxLength with added characters in place of replaced
    // ones; when it would not, the user is told.
    bool Takes(qsizetype added, qsizetype replaced = 0);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool TakesInPlaceOfSelection(qsizetype added);
};

class TEgentext : public VForm {
    Q_OBJECT
public:
    TEgentext();
    void FormCreate() override;
    void ResetToStartState() override;

    OwnTextMemo* Memo1 = nullptr;
    QLabel* Label1 = nullptr;        // "Spaltbredd"
    QWidget* SpinButton1 = nullptr;  // its up and down halves
    QToolButton* SpinButton1Up = nullptr;
    QToolButton* SpinButton1Down = nullptr;
    QPushButton* Kopiera = nullptr;
    QPushButton* Klistra = nullptr;
    QPushButton* Button1 = nullptr;  // "Klistra in kommentarer"
    QPushButton* Tecken = nullptr;
    QPushButton* Radera = nullptr;
    QPushButton* Lesain = nullptr;
    QPushButton* Spara = nullptr;
    QPushButton* Tillbaka = nullptr;
    FontDialog FontDialogMemo;

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void TeckenClick();
    void KopieraClick();
    void KlistraClick();
    void RaderaClick();
    void SparaClick();
    void LesainClick();
    void Button1Click();

    // The memo's text, font and width as the settings files keep them.
    OwnTextState State() const;
    // The memo's lines as it shows them at its width, one entry a shown line.
    QStringList ShownLines() const;

private:
    void BuildComponents();
    void SetMemoWidth(int width);
    void ApplyState(const OwnTextState& state);
    void PublishOwnText() const;
};

extern TEgentext* Egentext;
