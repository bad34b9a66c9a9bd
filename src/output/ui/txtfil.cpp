#include "output/ui/txtfil.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "conditions/mainrequests.h"
#include "model/colours.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/textfile.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"

namespace {

const QString TextFileFilter = QStringLiteral("Textfil (*.txt)|*.txt");

}  // namespace

TTextfil::TTextfil() : VForm(QStringLiteral("Textfil"), QSize(497, 381)), FontDialogFil(SansFont(13))
{
    setObjectName(QStringLiteral("Textfil"));
    SetBackground(this, ToQColor(Silver));
    CentreOverMainWhenFirstShown();
    BuildComponents();
    // Any change of the system's rows, coupons or marks makes the next activation start afresh.
    const auto systemChanged = [this] { systemReset_ = true; };
    Events::ResultsStale.Subscribe(this, systemChanged);
    Events::KeptCouponsChanged.Subscribe(this, systemChanged);
    Events::GroupsReplaced.Subscribe(this, systemChanged);
    Events::SingleRowsReplaced.Subscribe(this, [this](int) { systemReset_ = true; });
    ResetToStartState();
}

void TTextfil::BuildComponents()
{
    MemoTextfil = new QPlainTextEdit(this);
    MemoTextfil->setObjectName(QStringLiteral("MemoTextfil"));
    MemoTextfil->setGeometry(8, 8, 481, 240);
    MemoTextfil->setReadOnly(true);
    MemoTextfil->setFont(FontDialogFil.font());
    MemoTextfil->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoTextfil->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BuildLabels(this, this,
                {{&TTextfil::Label1, "Label1", "Kupongnummer", {8, 256, 165, 16}},
                 {&TTextfil::Label2, "Label2", "-", {62, 277, 8, 16}},
                 {&TTextfil::Label4, "Label4", "(totalt 0 kuponger)", {8, 300, 165, 16}}});
    EditKnr = NewEdit(this, QStringLiteral("EditKnr"), {8, 274, 50, 22}, 4);
    EditKnr2 = NewEdit(this, QStringLiteral("EditKnr2"), {72, 274, 50, 22}, 4);
    Endastkuponger = NewCheckBox(this, QStringLiteral("Endastkuponger"), QStringLiteral("Endast kuponger"),
                                 {8, 320, 165, 18});
    BuildButtons(this, this,
                 {{&TTextfil::Button1, "Button1", "Visa", {180, 256, 145, 25}},
                  {&TTextfil::Button6, "Button6", "Ändra teckensnitt", {180, 286, 145, 25}},
                  {&TTextfil::Button7, "Button7", "Info", {180, 316, 145, 25}},
                  {&TTextfil::Button3, "Button3", "Tillbaka", {180, 346, 145, 25}},
                  {&TTextfil::Button4, "Button4", "Kopiera all text", {335, 256, 150, 25}},
                  {&TTextfil::Button5, "Button5", "Kopiera märkt text", {335, 286, 150, 25}},
                  {&TTextfil::Button2, "Button2", "Hämta", {335, 316, 72, 25}},
                  {&TTextfil::Spara, "Spara", "Spara", {413, 316, 72, 25}}});
    connect(EditKnr, &QLineEdit::textChanged, this, &TTextfil::EditKnrChange);
    connect(EditKnr2, &QLineEdit::textChanged, this, &TTextfil::EditKnr2Change);
    connect(Button1, &QPushButton::clicked, this, &TTextfil::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TTextfil::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TTextfil::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TTextfil::Button6Click);
    connect(Spara, &QPushButton::clicked, this, &TTextfil::SparaClick);
    connect(Button2, &QPushButton::clicked, this, &TTextfil::Button2Click);
    connect(Button7, &QPushButton::clicked, this, &TTextfil::Button7Click);
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);
}

void TTextfil::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
}

void TTextfil::ResetToStartState()
{
    Endastkuponger->setChecked(false);
    FontDialogFil.setFont(SansFont(13));
    MemoTextfil->setFont(FontDialogFil.font());
    ShowLines({TextReportPromptLine});
    const QSignalBlocker first(EditKnr);
    const QSignalBlocker last(EditKnr2);
    EditKnr->setText(QStringLiteral("0"));
    EditKnr2->setText(QStringLiteral("1"));
    systemReset_ = true;
}

void TTextfil::FormActivate()
{
    const TextReportSystemKey system = CurrentTextReportSystem();
    if (!systemReset_ && system == shownSystem_)
        return;
    systemReset_ = false;
    shownSystem_ = system;
    StartAfresh();
}

void TTextfil::StartAfresh()
{
    const TextReportStart start = StartTextReport();
    Label1->setText(start.rangeCaption);
    Endastkuponger->setText(start.onlyListingCaption);
    ShowLines({start.memoLine});
    Label4->setText(start.totalText);
    const QSignalBlocker first(EditKnr);
    const QSignalBlocker last(EditKnr2);
    EditKnr->setText(start.firstText);
    EditKnr2->setText(start.lastText);
}

void TTextfil::ShowLines(const QStringList& lines)
{
    MemoTextfil->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TTextfil::Lines() const
{
    return MemoTextfil->toPlainText().split(QLatin1Char('\n'));
}

void TTextfil::EditKnrChange()
{
    TextReportFirst = AcceptedTextReportNumber(EditKnr->text(), TextReportFirst);
    const QString shown = QString::number(TextReportFirst);
    if (EditKnr->text() != shown && !EditKnr->text().isEmpty())
        EditKnr->setText(shown);
}

void TTextfil::EditKnr2Change()
{
    TextReportLast = AcceptedTextReportNumber(EditKnr2->text(), TextReportLast);
    const QString shown = QString::number(TextReportLast);
    if (EditKnr2->text() != shown && !EditKnr2->text().isEmpty())
        EditKnr2->setText(shown);
}

void TTextfil::Button1Click()
{
    if (CouponsBuilt != 1 && SingleRowsBuilt != 1)
        return;
    const QString refusal = TextReportRangeRefusal();
    if (!refusal.isEmpty()) {
        ShowMessage(refusal);
        return;
    }
    ShowLines(RenderSystemReport(Endastkuponger->isChecked()));
}

void TTextfil::Button4Click()
{
    MemoTextfil->selectAll();
    QApplication::clipboard()->setText(MemoTextfil->toPlainText());
}

void TTextfil::Button5Click()
{
    QString selected = MemoTextfil->textCursor().selectedText();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void TTextfil::Button6Click()
{
    if (FontDialogFil.Execute(this))
        MemoTextfil->setFont(FontDialogFil.font());
}

void TTextfil::SparaClick()
{
    const QString chosen = ChooseSaveFileName(this, TextFileFilter, saveDialogName_);
    if (chosen.isEmpty())
        return;
    saveDialogName_ = chosen;
    const QString fileName = TextReportFileName(chosen);
    const QString shortName = QFileInfo(fileName).fileName();
    if (QFileInfo::exists(fileName) &&
        !AskYesNo(QStringLiteral("Ska filen ") + shortName + QStringLiteral(" skrivas över?")))
        return;
    if (!WriteTextLines(fileName, Lines()))
        ShowErrorMessage(QStringLiteral("Filen ") + shortName + QStringLiteral(" kunde inte skrivas."));
}

void TTextfil::Button2Click()
{
    const QString chosen = ChooseOpenFileName(this, TextFileFilter);
    if (chosen.isEmpty())
        return;
    const QString fileName = TextReportFileName(chosen);
    if (!QFileInfo::exists(fileName)) {
        ShowMessage(QStringLiteral("Filen ") + fileName + QStringLiteral(" finns ej."));
        ShowMessage(TextReportLoadFailed);
        return;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowErrorMessage(QStringLiteral("Filen ") + fileName + QStringLiteral(" kunde inte läsas."));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowErrorMessage(QStringLiteral("Filen ") + fileName + QStringLiteral(" kunde inte läsas."));
        return;
    }
    ShowLines(TextReportFileLines(bytes));
}

void TTextfil::Button7Click()
{
    RequestHelp(HelpTopic::TextReport);
}

TTextfil* Textfil = nullptr;
