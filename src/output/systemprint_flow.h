#pragma once
// The state of one copy of the system print-out while it flows over the pages, shared by
// the files that print its sections. Only the print-out's own sources include this file.

#include <QString>

#include "output/systemprint.h"

class SystemPrintFlow {
public:
    SystemPrintFlow(PrintCanvas& canvas, const SystemPrintOptions& options,
                    const SystemPrintGeometry& geometry);

    // Prints the header and the sections; the message to show when the copy stopped early.
    QString PrintCopy();

private:
    // ---- Page model ----
    double Width(const QString& text) const { return canvas_.TextWidth(text); }
    double PageRight() const { return g_.page.widthPx - g_.right; }
    double PageBottom() const { return g_.page.heightPx - g_.bottom; }
    // k a below y: rounded for a fractional k.
    double Below(double from, double k) const;
    int Round(double v) const;
    void NewPage();
    void SetBold(bool bold);
    void Thick(bool thick);
    // A rule that belongs to the text line whose top is at lineTop, lifted by V.
    void RuleAcross(double x1, double x2, double lineTop);
    void RuleDown(double atX, double fromTop, double toTop);
    void Centred(const QString& text, double left, double width, double top);
    void Bold(double atX, double top, const QString& text);
    // Places a section below the last: x = left margin, y = bottom + a, and a new page when
    // the section's first block of height does not fit.
    void PlaceBelow(double height);

    // ---- Sections ----
    bool Header();
    bool Ranking();
    void Winners();
    void AbcdConditions();
    void StartNumberConditions();
    void GroupCondition(int group);
    void PointsConditions();
    void OtherConditions();
    void WinChances();
    void StreckPercentages();
    void SingleRows();
    void Coupons();
    void CouponBlock(int position, double gap);
    void OwnText();

    bool SectionWanted(bool box, bool reductionBox) const;

    PrintCanvas& canvas_;
    const SystemPrintOptions& o_;
    SystemPrintGeometry g_;
    PrintFont font_;
    double S_ = 0;  // width(" ")
    double V_ = 0;  // the rule lift
    double x_ = 0;
    double y_ = 0;
    double bottom_ = 0;
    double rightEdge_ = 0;
    bool rankingPrinted_ = false;
    QString stop_;
};
