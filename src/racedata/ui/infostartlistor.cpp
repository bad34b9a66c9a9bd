#include "racedata/ui/infostartlistor.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/ui/colours.h"
#include "platform/ui/kit.h"

namespace {

const char* const NoteLines[] = {"För att kunna spara inställningar i programmet ",
                                 "ska det köras med administratörsrättigheter. ",
                                 "Gör så här efter varje ny installation av programmet.",
                                 "",
                                 "1. Klicka med höger musknapp på ",
                                 "    programikonen på skrivbordet.",
                                 "2. Välj Egenskaper och vidare Avancerat.",
                                 "3. Bocka i att programmet ska köras med ",
                                 "    admin.rättigheter.",
                                 "4. Klicka på OK - Verkställ - OK.",
                                 "5. Starta om programmet."};

}  // namespace

TForm2::TForm2() : VForm(QStringLiteral("Inställningar"), QSize(347, 242))
{
    setObjectName(QStringLiteral("Form2"));
    CentreOverMainWhenFirstShown();
    SetBackground(this, Qt::white);
    setFont(SansFont(11));
    Button1 =
        NewButton(this, QStringLiteral("Button1"), QStringLiteral("Stäng"), {226, 207, 73, 25}, SansFont(11));
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(19, 13, 310, 188);
    Memo2->setFont(SansFont(13));
    Memo2->setReadOnly(true);
    Memo2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList lines;
    for (const char* line : NoteLines)
        lines << QString::fromUtf8(line);
    Memo2->setPlainText(lines.join(QLatin1Char('\n')));
    Button1->setFocus();
}

TForm2* Form2 = nullptr;
