#pragma once
// The surface every print-out draws on: texts placed by the top-left corner of their cell,
// straight lines and pages, in the printer pixels of the printable area. Logic lays out
// against this interface only; the program's printer (platform/ui/printercanvas.h) and the
// recording canvas below implement it.

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/printlayout.h"

// What every print path tells the user when the printer failed on the way or the printed
// file was cut.
inline const QString PrintFailedMessage = QStringLiteral("Utskriften kunde inte slutföras.");

// A font as a print-out asks for it, free of any painting library.
struct PrintFont {
    QString family = QStringLiteral("Liberation Sans");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const PrintFont&) const = default;
};

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // The printable area of the page, in pixels and millimetres.
    virtual PageMetrics Page() const = 0;

    // Starts a document titled title (its name in the print queue) on its first page; false
    // when the printer cannot start, and then nothing is drawn until the next document.
    virtual bool BeginDocument(const QString& title) = 0;
    // Ends the document; false when the printer failed at any point of it.
    virtual bool EndDocument() = 0;
    virtual void NewPage() = 0;

    virtual void SetFont(const PrintFont& font) = 0;
    virtual PrintFont Font() const = 0;
    // The width of text in the current font, in pixels.
    virtual double TextWidth(const QString& text) const = 0;
    virtual void SetPenWidth(int pixels) = 0;
    virtual int PenWidth() const = 0;

    // text with the top-left corner of its cell at (x, y).
    virtual void Text(double x, double y, const QString& text) = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
};

// One drawing operation that the recording canvas kept.
struct CanvasOp {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    int document = 0;  // 0, 1, ... in the order the documents began
    int page = 0;      // 0, 1, ... within the document
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    QString text;
    PrintFont font;
    int penWidth = 1;
};

// A canvas that keeps what is drawn on it, for tests and measurements. Its page is A4 at
// 600 pixels an inch (4 960 x 7 016 pixels, 210 x 297 mm) unless another is given. A
// character is as wide as half the font's point size in pixels at that resolution, a bold
// one a tenth wider, so layouts are exact and the same on every machine.
class RecordingCanvas : public PrintCanvas {
public:
    RecordingCanvas();
    explicit RecordingCanvas(const PageMetrics& page);

    PageMetrics Page() const override { return page_; }
    bool BeginDocument(const QString& title) override;
    bool EndDocument() override;
    void NewPage() override;
    void SetFont(const PrintFont& font) override { font_ = font; }
    PrintFont Font() const override { return font_; }
    double TextWidth(const QString& text) const override;
    void SetPenWidth(int pixels) override { pen_ = pixels; }
    int PenWidth() const override { return pen_; }
    void Text(double x, double y, const QString& text) override;
    void Line(double x1, double y1, double x2, double y2) override;

    // Makes the next BeginDocument fail (the printer cannot start), or the running document
    // fail at its end (the printer failed mid-way).
    void FailNextBegin() { failBegin_ = true; }
    void FailRunningDocument() { failRunning_ = true; }

    const std::vector<CanvasOp>& Ops() const { return ops_; }
    const QStringList& Titles() const { return titles_; }
    int DocumentCount() const { return static_cast<int>(pageCounts_.size()); }
    // Pages of document d (0, 1, ...).
    int PageCount(int d) const { return pageCounts_.at(static_cast<std::size_t>(d)); }
    // The texts of document d in the order they were drawn.
    QStringList Texts(int d) const;

private:
    // An operation of the kind on the current page, in the current font and pen.
    CanvasOp Recorded(CanvasOp::Kind kind) const;

    PageMetrics page_;
    PrintFont font_;
    int pen_ = 1;
    bool open_ = false;
    bool failBegin_ = false;
    bool failRunning_ = false;
    std::vector<int> pageCounts_;
    QStringList titles_;
    std::vector<CanvasOp> ops_;
};
