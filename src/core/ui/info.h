#pragma once
// "Komma igång": the getting-started guide, which the user can also print in a font of
// their choice.

#include "core/ui/helpwindow.h"
#include "platform/ui/printer.h"

class TInformation : public HelpWindow {
    Q_OBJECT
public:
    TInformation();
    // Both scroll bars on a screen narrower than 800 pixels.
    void FormCreate() override;

    // "Skriv": prints the guide on the shared printer.
    void Button2Click() { PrintText(); }
    // "Teckensnitt": the font dialog; its font, newly chosen or kept after a cancel, goes
    // on the printer's canvas.
    void Button3Click();
    // Prints the memo's lines, as they stand, with 20 mm margins in the font of
    // FontDialogInfo. Returns the pages printed; 0 when the page is too small for the font
    // or the printer could not start or finish (the user is told).
    int PrintText();

    const QFont& PrintFont() const { return FontDialogInfo.font(); }

private:
    QPlainTextEdit* Info;
    FontDialog FontDialogInfo;
};

extern TInformation* Information;
