#pragma once
// Swedish for the texts of Qt's standard dialogs that Qt's own Swedish catalogue lacks: the
// printer dialog with its options and properties, the file dialog with its files' sizes and
// dates, the font dialog's writing systems and styles, and the spin boxes' context menu.

#include <QString>

class QFileDialog;

// The Swedish text of Qt's source text in its context; empty for a text the table does not hold.
QString OwnSwedishText(const char* context, const char* source);

// Qt's file dialog writes each file's size and date in the system's locale, which the program's
// Swedish (the default locale) does not reach, so a system set to English or to none shows
// "11 Dec": the dialog shows them in the default locale instead.
void ShowFileDetailsInSwedish(QFileDialog& dialog);
