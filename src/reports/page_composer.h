#pragma once

#include <QFont>
#include <QString>

#include "reports/report_pages.h"

class QPaintDevice;

namespace lmk17 {

// Where a printed text stands relative to its point (TextPrint's kinds):
// the point is its top-left, top-right or top-centre corner, the same at the
// bottom, or its centre.
enum class TextAnchor {
    TopLeft = 0,
    TopRight = 1,
    TopCentre = 2,
    BottomLeft = 3,
    BottomRight = 4,
    BottomCentre = 5,
    Centre = 6,
};

enum class CellStyle { Regular, Bold, BoldItalic };

// The two faces of the printouts. The names are those of the metric-compatible
// fonts every system offers under them (Liberation Sans and Serif on Linux);
// the style hint picks a like face where neither is installed.
enum class FontFace { Sans, Serif };

// A4 width: horizontal positions are percent of the printable width or of
// this, whichever is smaller.
inline constexpr double kA4WidthInches = 8.268;

// Lays out a printout for one paint device (a printer or a PDF writer): a
// running vertical position in device pixels with the page break of every
// printed text, horizontal positions in percent of the reference width, and
// fonts scaled to pages narrower than A4. Nothing is drawn here.
class PageComposer {
public:
    explicit PageComposer(const QPaintDevice& device);

    double referenceWidth() const { return referenceWidth_; }
    double pageHeight() const { return pageHeight_; }
    double dotsPerMillimetre() const;

    // UpravFontSize: a point size scaled down in proportion to a page
    // narrower than A4, rounded; unchanged otherwise.
    int scaledFontSize(int size) const;
    QFont font(FontFace face, int size, CellStyle style = CellStyle::Regular,
               bool underline = false) const;
    double textWidth(const QFont& font, const QString& text) const;
    double textHeight(const QFont& font, const QString& text) const;

    // The unit of vertical advances (the height of "HkjiL" in the body font).
    void setUnit(double h) { unit_ = h; }
    double unit() const { return unit_; }

    double y = 0.0;
    // Adds factor x unit, rounded, to y.
    void advance(double factor);
    void startPage(double topPercent = 2.0);

    // TextPrint: starts a new page first when y has come too near the bottom
    // for this text; empty texts print nothing.
    void print(double xPercent, const QString& text, const QFont& font,
               TextAnchor anchor = TextAnchor::TopLeft);
    void print(double xPercent, double atY, const QString& text, const QFont& font,
               TextAnchor anchor);

    void line(double x1, double y1, double x2, double y2, double penWidth);
    void rect(const QRectF& rect, double penWidth);
    double px(double percent) const;  // a horizontal position in device pixels

    ReportPages take() { return std::move(pages_); }

private:
    const QPaintDevice& device_;
    double referenceWidth_;
    double pageWidth_;
    double pageHeight_;
    double unit_ = 0.0;
    ReportPages pages_;

    void breakBefore(double textHeight, TextAnchor anchor);
};

}  // namespace lmk17
