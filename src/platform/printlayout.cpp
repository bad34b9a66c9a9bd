#include "platform/printlayout.h"

#include <algorithm>
#include <climits>

#include "platform/numbers.h"

double TextHeight(double pointSize, const PageMetrics& page)
{
    return pointSize * page.PixelsPerMmVertical() / 2.54;
}

int LineHeight(double textHeight)
{
    return static_cast<int>(RoundHalfEven(textHeight + textHeight / 6));
}

int MarginPixels(double mm, double pixelsPerMm)
{
    return static_cast<int>(RoundHalfEven(mm * pixelsPerMm));
}

TextPageLayout LayOutTextPages(const PageMetrics& page, double pointSize, double marginMm)
{
    TextPageLayout layout;
    layout.lineHeight = LineHeight(TextHeight(pointSize, page));
    layout.top = MarginPixels(marginMm, page.PixelsPerMmVertical());
    layout.bottom = layout.top;
    layout.left = MarginPixels(marginMm, page.PixelsPerMmHorizontal());
    if (layout.lineHeight > 0) {
        const double freeHeight = page.heightPx - layout.top - layout.bottom;
        layout.linesPerPage = static_cast<int>(
            std::clamp<std::int64_t>(RoundHalfEven(freeHeight / layout.lineHeight), 0, INT_MAX));
    }
    return layout;
}

int PageCount(int lineCount, int linesPerPage)
{
    if (lineCount <= 0 || linesPerPage <= 0)
        return 1;
    return (lineCount + linesPerPage - 1) / linesPerPage;
}
