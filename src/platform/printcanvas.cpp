#include "platform/printcanvas.h"

#include <QStringList>

namespace {

constexpr double kDotsPerInch = 600;

PageMetrics A4At600Dpi()
{
    return PageMetrics{4960, 7016, 210, 297};
}

}  // namespace

RecordingCanvas::RecordingCanvas() : RecordingCanvas(A4At600Dpi())
{
}

RecordingCanvas::RecordingCanvas(const PageMetrics& page) : page_(page)
{
}

bool RecordingCanvas::BeginDocument(const QString& title)
{
    open_ = !failBegin_;
    failBegin_ = false;
    if (open_) {
        pageCounts_.push_back(1);
        titles_.append(title);
    }
    return open_;
}

bool RecordingCanvas::EndDocument()
{
    const bool ok = open_ && !failRunning_;
    open_ = false;
    failRunning_ = false;
    return ok;
}

void RecordingCanvas::NewPage()
{
    if (open_)
        ++pageCounts_.back();
}

double RecordingCanvas::TextWidth(const QString& text) const
{
    const double perCharacter = font_.pointSize * kDotsPerInch / 72.0 / 2.0;
    return text.size() * perCharacter * (font_.bold ? 1.1 : 1.0);
}

CanvasOp RecordingCanvas::Recorded(CanvasOp::Kind kind) const
{
    CanvasOp op;
    op.kind = kind;
    op.document = DocumentCount() - 1;
    op.page = pageCounts_.back() - 1;
    op.font = font_;
    op.penWidth = pen_;
    return op;
}

void RecordingCanvas::Text(double x, double y, const QString& text)
{
    if (!open_)
        return;
    CanvasOp op = Recorded(CanvasOp::Kind::Text);
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    ops_.push_back(op);
}

void RecordingCanvas::Line(double x1, double y1, double x2, double y2)
{
    if (!open_)
        return;
    CanvasOp op = Recorded(CanvasOp::Kind::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    ops_.push_back(op);
}

QStringList RecordingCanvas::Texts(int d) const
{
    QStringList texts;
    for (const CanvasOp& op : ops_)
        if (op.kind == CanvasOp::Kind::Text && op.document == d)
            texts.append(op.text);
    return texts;
}
