#pragma once
// "Radera sparade filer": the user picks a file by drive, folder and name and erases it after
// a confirmation. The window lists and erases ".V75" files only.

#include "platform/ui/form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TRadera : public VForm {
    Q_OBJECT
public:
    TRadera();

    void FormCreate() override;
    void ResetToStartState() override;

    // Links the drive box, the folder list, its label, the file list, the name edit and the
    // filter box, so that each follows the other; run before every opening (once is enough).
    void WireDeleteFilesControls();
    // The folder the lists show.
    void ChangeFolder(const QString& folder);
    QString CurrentFolder() const { return folder_; }

    QLabel* Label1 = nullptr;  // the current folder
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QListWidget* DirectoryListBox1 = nullptr;
    QComboBox* FilterComboBox1 = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Radera"
    QPushButton* Button2 = nullptr;  // "Avbryt"

    void Button1Click();
    void Button2Click();

private:
    void FillFolderList();
    void FillFileList();
    void DirectoryChosen(const QString& entry);

    QString folder_;
    bool wired_ = false;
};

extern TRadera* Radera;
