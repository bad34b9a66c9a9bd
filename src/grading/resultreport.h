#pragma once
// The result of a grading as a report: the title, the size, the correct row, the rows with
// 7, 6, 5 and 4 correct slots with their payouts, the total win, and one line for each winning
// coupon or single row. Built once as text here; the grading window prints it or writes it as
// a text file.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/printlayout.h"

inline const QString GradeBeforePrintingMessage = QStringLiteral("Rätta innan resultatet kan skrivas ut.");
inline const QString GradeBeforeSavingMessage = QStringLiteral("Rätta innan resultatet kan sparas.");

// The date of the report: "DD" counts as no date and SystemDate is emptied.
QString TakeReportDate();

// The report's title; the default when the system has no name differs between the forms.
enum class ReportForm { Paper, TextFile };
QString ReportTitle(ReportForm form);

// The lines that list the winning coupons ("Kup j:  1 sexa + 3 femmor") or single rows
// ("Rad k: " + class) of the last grading, in the form's layout.
QStringList WinningListLines(ReportForm form);

// The whole text file, line by line.
QStringList ResultTextLines();

// The file name the text file is written to: cut to 200 characters, extension ".txt".
QString ResultFileName(const QString& chosen);

// One text of the print-out: its page (from 0), its left edge and top in printer pixels.
struct ResultPrintText {
    int page = 0;
    double x = 0;
    double y = 0;
    QString text;
    bool title = false;  // bold, 1.3 times the text height
};

struct ResultPrintout {
    QString refusal;  // not empty: nothing is printed, tell the user this
    double textHeight = 0;
    int lineHeight = 0;
    int linesPerPage = 0;
    int pageCount = 1;
    std::vector<ResultPrintText> texts;
};

// Width of a text in the print font (title: in the title font), in printer pixels.
using ResultTextWidth = std::function<double(const QString& text)>;

// The print-out of the last grading on pages of the given size in a font of pointSize.
ResultPrintout LayOutResultPrintout(const PageMetrics& page, double pointSize, const ResultTextWidth& width);
