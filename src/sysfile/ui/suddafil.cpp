#include "sysfile/ui/suddafil.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "sysfile/systemfile.h"

TRadera* Radera = nullptr;

namespace {

const QString InitialName = QStringLiteral("*.V75");
const QString ParentEntry = QStringLiteral("..");

QFont ArialFont()
{
    return SansFont(13);
}

QListWidget* NewList(QWidget* parent, const QString& name, QRect rect)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(rect);
    list->setFont(ArialFont());
    return list;
}

QComboBox* NewComboBox(QWidget* parent, const QString& name, QRect rect)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(rect);
    box->setFont(ArialFont());
    return box;
}

}  // namespace

TRadera::TRadera() : VForm(QStringLiteral("Radera sparade filer"), QSize(439, 241))
{
    setObjectName(QStringLiteral("Radera"));
    SetBackground(this, SilverColour);
    const QFont font = ArialFont();
    Label2 = NewLabel(this, QStringLiteral("Label2"), QStringLiteral("Filnamn:"), {8, 8, 145, 16}, font);
    Edit1 = NewEdit(this, QStringLiteral("Edit1"), {8, 26, 145, 22}, 255);
    FileListBox1 = NewList(this, QStringLiteral("FileListBox1"), {8, 52, 145, 130});
    Label5 = NewLabel(this, QStringLiteral("Label5"), QStringLiteral("Kataloger:"), {162, 8, 170, 16}, font);
    Label1 = NewLabel(this, QStringLiteral("Label1"), QStringLiteral("Label1"), {162, 26, 170, 22}, font);
    DirectoryListBox1 = NewList(this, QStringLiteral("DirectoryListBox1"), {162, 52, 170, 130});
    Label3 = NewLabel(this, QStringLiteral("Label3"), QStringLiteral("Filformat:"), {8, 188, 145, 16}, font);
    FilterComboBox1 = NewComboBox(this, QStringLiteral("FilterComboBox1"), {8, 206, 145, 24});
    FilterComboBox1->addItem(QStringLiteral("Vimsta V75  (*.V75)"), InitialName);
    Label4 = NewLabel(this, QStringLiteral("Label4"), QStringLiteral("Enheter:"), {162, 188, 170, 16}, font);
    DriveComboBox1 = NewComboBox(this, QStringLiteral("DriveComboBox1"), {162, 206, 170, 24});
    for (const QFileInfo& drive : QDir::drives())
        DriveComboBox1->addItem(QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath());
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Radera"), {346, 26, 85, 27}, font);
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Avbryt"), {346, 62, 85, 27}, font);
    connect(Button1, &QPushButton::clicked, this, &TRadera::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TRadera::Button2Click);
    ResetToStartState();
}

void TRadera::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
}

void TRadera::ResetToStartState()
{
    Edit1->setText(InitialName);
    ChangeFolder(QDir::currentPath());
}

void TRadera::WireDeleteFilesControls()
{
    if (wired_)
        return;
    wired_ = true;
    connect(DriveComboBox1, &QComboBox::activated, this,
            [this](int index) { ChangeFolder(DriveComboBox1->itemData(index).toString()); });
    connect(DirectoryListBox1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { DirectoryChosen(item->text()); });
    connect(FileListBox1, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            Edit1->setText(name);
    });
    connect(FilterComboBox1, &QComboBox::activated, this, [this] { FillFileList(); });
}

void TRadera::ChangeFolder(const QString& folder)
{
    folder_ = QDir(folder).absolutePath();
    // A long folder is shortened in its middle so that it fits; the tip shows it whole.
    const QString shown = QDir::toNativeSeparators(folder_);
    Label1->setText(Label1->fontMetrics().elidedText(shown, Qt::ElideMiddle, Label1->width()));
    Label1->setToolTip(shown);
    FillFolderList();
    FillFileList();
}

void TRadera::DirectoryChosen(const QString& entry)
{
    QDir dir(folder_);
    if (dir.cd(entry))
        ChangeFolder(dir.absolutePath());
}

void TRadera::FillFolderList()
{
    DirectoryListBox1->clear();
    const QDir dir(folder_);
    if (!dir.isRoot())
        DirectoryListBox1->addItem(ParentEntry);
    DirectoryListBox1->addItems(
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

void TRadera::FillFileList()
{
    const QString mask = FilterComboBox1->currentData().toString();
    FileListBox1->clear();
    FileListBox1->addItems(QDir(folder_).entryList({mask}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// The name asked about and tested is the one erased: the typed name with ".V75".
void TRadera::Button1Click()
{
    const ErasableFile file = FileToErase(folder_, Edit1->text());
    if (!file.exists)
        return;
    if (!AskYesNo(QStringLiteral("Ska filen  ") + file.shownName + QStringLiteral(" raderas?")))
        return;
    if (!EraseFile(file.path))
        ShowErrorMessage(QStringLiteral("Något blev fel."));
    FillFileList();
}

void TRadera::Button2Click()
{
    close();
}
