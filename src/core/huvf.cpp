#include "core/huvf.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include "core/variabl.h"
#include "platform/dialogs.h"
#include "sysfile/systemfile.h"

QString MainWindowCaption()
{
    return QStringLiteral("Vimsta för V65-V64, version 18.2   ") +
           QUrl(QStringLiteral(VIMSTA_UPDATE_URL)).host();
}

TV65x::TV65x() : VForm(MainWindowCaption(), QSize(768, 568))
{
    setObjectName(QStringLiteral("V65x"));
    MainFormWidget() = this;
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void TV65x::FormCreate()
{
    ProgramDir = QDir::currentPath();
    if (!ProgramDir.endsWith(QLatin1Char('/')))
        ProgramDir += QLatin1Char('/');
}

void TV65x::FormCloseQuery(bool& canClose)
{
    canClose = true;
}

void TV65x::FormClose()
{
    if ((CouponsBuilt == 1 || SingleRowsBuilt == 1) && SystemSaved == 0 &&
        AskYesNo(QStringLiteral("Ska systemet sparas innan programmet stängs?")))
        WriteSystemFile();
}

void TV65x::closeEvent(QCloseEvent* e)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
    QApplication::quit();
}
