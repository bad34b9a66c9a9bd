#pragma once
// Printing the kept coupons onto the operator's pre-printed paper coupons: a stroke in the box
// of every start number played and of every reserve, the horse counts and the row count as
// text, one form a page. Printers differ, so the margins, the size of the printed area, a
// shift of the form's middle and a rotation bend every point (CouponFormPoint); a test
// coupon shows the user where the strokes fall.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/variabl.h"
#include "platform/printcanvas.h"

// The settings file of the coupon forms, in the settings folder.
inline const QString CouponFormSettingsFileName = QStringLiteral("ninstV75.kup");

inline const QString CouponRangeReversedMessage = QStringLiteral("     Kupongnumren??     ");
inline const QString CouponFormNoSystemMessage = QStringLiteral("Det finns inget system.");
inline const QString PrinterStartFailedMessage = QStringLiteral("Skrivaren kunde inte starta utskriften.");

// The limits of a numeric setting, as its field keeps them.
struct SettingLimits {
    int32 low;
    int32 high;
    int32 Clamp(int32 value) const { return value < low ? low : value > high ? high : value; }
};
constexpr SettingLimits MarginLimits{0, 2000};
constexpr SettingLimits FormWidthLimits{1500, 1700};
constexpr SettingLimits FormHeightLimits{560, 680};
constexpr SettingLimits ShiftLimits{-50, 50};
constexpr SettingLimits RotationLimits{-20, 20};
constexpr SettingLimits ThicknessLimits{-20, 20};
constexpr SettingLimits StrokeLengthLimits{5, 99};

// The settings as the file "ninstV75.kup" holds them, or nothing when a line is not what its
// place holds (a whole number, a word, a font's name). When the file ends early (an older
// layout), what was read stays and the margins become 100 and the font's size 10.
std::optional<TCouponFormSettings> ParseCouponFormSettings(const QStringList& lines,
                                                           const TCouponFormSettings& current);
QStringList CouponFormSettingsLines(const TCouponFormSettings& settings);
// The file in folder (a path ending in a separator), its name matched in any letter case.
QString CouponFormSettingsPath(const QString& folder);
// Reads the file into CouponFormSettings when it exists; a file that cannot be read or is
// refused changes nothing and gives the message to show (empty otherwise).
QString ReadCouponFormSettings(const QString& folder);
// Writes CouponFormSettings; false when the file could not be written.
bool WriteCouponFormSettings(const QString& folder);

// The scale of one print (printer pixels): per millimetre, the column and row steps of the
// grid of boxes, the margins, the stroke length, and the layout.
struct CouponFormScale {
    double pxH = 0;
    double pxV = 0;
    double cs = 0;  // column step
    double rs = 0;  // row step
    int L = 0;      // left margin
    int T = 0;      // top margin
    int strokeLength = 0;
    bool longLayout = true;  // the new and the old long coupon; the short one has no reserve boxes
    bool newCoupon = true;
};
CouponFormScale ScaleCouponForm(const PageMetrics& page, const TCouponFormSettings& settings);

// A point before and after the bending: (x0, y0) where the unbent layout puts it, (dx, dy)
// its distance from the margin corner, and the bending added.
struct FormPoint {
    int x = 0;
    int y = 0;
    int addX = 0;  // Round(ax)
    int addY = 0;  // Round(ay)
};
// The printed point of (x0, y0) at distance (dx, dy) from the margin corner. farSide: take
// the distance from the form's right edge for the sideways shift whatever x0 is.
FormPoint CouponFormPoint(const CouponFormScale& scale, const TCouponFormSettings& settings, int x0, int y0,
                          double dx, double dy, bool farSide = false);
// The printed point of the box at grid row k and column c.
FormPoint CouponFormCell(const CouponFormScale& scale, const TCouponFormSettings& settings, int k, int c);

// What one form holds: the boxes to stroke (row, column) in stroke order, and the texts.
struct FormCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const FormCell&, const FormCell&) = default;
};
struct FormText {
    QString text;
    FormPoint at;
};
struct CouponFormPage {
    std::vector<FormCell> cells;
    std::vector<FormText> texts;
};

// The form of the coupon at position (1 ... KeptCouponCount) of the kept coupons.
CouponFormPage LayOutCouponForm(const CouponFormScale& scale, const TCouponFormSettings& settings,
                                int32 position);
// The fixed test coupon: 1, 4, 13, 15 in every race, race 1 also 5 and 9, race 7 also 8 and 12.
CouponFormPage LayOutTestCoupon(const CouponFormScale& scale, const TCouponFormSettings& settings);

// Prints the coupons at positions first ... last on canvas, one page each; the message to
// show, empty when all went well.
QString PrintCouponForms(PrintCanvas& canvas, const TCouponFormSettings& settings, int32 first, int32 last);
QString PrintTestCoupon(PrintCanvas& canvas, const TCouponFormSettings& settings);
