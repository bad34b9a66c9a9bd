#pragma once
// Swedish for the texts of Qt's standard dialogs that Qt's own Swedish catalogue lacks: the
// printer dialog with its options and properties, the file dialog, the font dialog's writing
// systems and styles, and the spin boxes' context menu.

#include <QString>

// The Swedish text of Qt's source text in its context; empty for a text the table does not hold.
QString OwnSwedishText(const char* context, const char* source);
