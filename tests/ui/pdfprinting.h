#pragma once
// The window tests that print: the shared printer writes A4 PDF into a file of the test's own
// folder, and the printer font that a print-out leaves in force is put back afterwards.

#include <QFont>
#include <QPrinter>
#include <QString>
#include <QTemporaryDir>

#include "platform/ui/printer.h"
#include "windowset.h"

class PdfPrintingTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        pdf_ = dir_.filePath(QStringLiteral("utskrift.pdf"));
        SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
        SharedPrinter().setOutputFileName(pdf_);
        SharedPrinter().setPageSize(QPageSize(QPageSize::A4));
        savedFont_ = PrinterFont();
    }
    void TearDown() override
    {
        SharedPrinter().setOutputFileName(QString());
        SetPrinterFont(savedFont_);
        WindowSetTest::TearDown();
    }

    QTemporaryDir dir_;
    QString pdf_;
    QFont savedFont_;
};
