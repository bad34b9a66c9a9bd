#pragma once
// The page arithmetic that every print-out shares, kept free of the printer so that it can
// be checked on its own.

#include <QString>

// The printable area of a page, in printer pixels and in millimetres.
struct PageMetrics {
    double widthPx = 0;
    double heightPx = 0;
    double widthMm = 0;
    double heightMm = 0;

    double PixelsPerMmHorizontal() const { return widthMm > 0 ? widthPx / widthMm : 0; }
    double PixelsPerMmVertical() const { return heightMm > 0 ? heightPx / heightMm : 0; }
};

// Text height in printer pixels of a font of pointSize: points x vertical pixels per mm / 2.54.
double TextHeight(double pointSize, const PageMetrics& page);
// Line height: the text height and a sixth more, rounded half to even.
int LineHeight(double textHeight);
// A margin of mm millimetres in pixels, rounded half to even.
int MarginPixels(double mm, double pixelsPerMm);

// Lines of text, one under the other, on pages with the same margin on every side.
struct TextPageLayout {
    int lineHeight = 0;
    int top = 0;
    int bottom = 0;
    int left = 0;  // the same width stays free on the right
    int linesPerPage = 0;

    // A page that holds no line is too small to print on.
    bool HoldsLines() const { return linesPerPage > 0; }
    // The top of line t (0, 1, ...) of a page.
    int LineTop(int t) const { return top + t * lineHeight; }
    // The width left for text between the side margins.
    double TextWidth(const PageMetrics& page) const { return page.widthPx - 2.0 * left; }
};

// Layout for a font of pointSize with marginMm on every side. The number of lines is the
// free height divided by the line height, rounded half to even.
TextPageLayout LayOutTextPages(const PageMetrics& page, double pointSize, double marginMm);
// Pages needed for lineCount lines at linesPerPage (> 0) a page; a document has at least one.
int PageCount(int lineCount, int linesPerPage);

// The plain notice of a page too small for the chosen font.
inline const QString PageTooSmallMessage = QStringLiteral("För liten skrivyta. Välj mindre tecken.");
