#include "reports/page_composer.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>

namespace lmk17 {

PageComposer::PageComposer(const QPaintDevice& device)
    : device_(device),
      referenceWidth_(std::min<double>(device.width(), kA4WidthInches * device.logicalDpiX())),
      pageWidth_(device.width()),
      pageHeight_(device.height()) {
    pages_.pages.emplace_back();
}

double PageComposer::dotsPerMillimetre() const {
    return device_.logicalDpiX() / 25.4;
}

int PageComposer::scaledFontSize(int size) const {
    const double a4 = kA4WidthInches * device_.logicalDpiX();
    if (pageWidth_ >= a4) return size;
    return int(std::lround(size * pageWidth_ / a4));
}

QFont PageComposer::font(FontFace face, int size, CellStyle style, bool underline) const {
    // notr: font family names
    QFont f(face == FontFace::Sans ? QStringLiteral("Arial") : QStringLiteral("Times New Roman"));
    f.setStyleHint(face == FontFace::Sans ? QFont::SansSerif : QFont::Serif);
    // Qt converts points to the device's pixels; only the narrow-page factor is ours.
    f.setPointSize(std::max(1, scaledFontSize(size)));
    f.setBold(style != CellStyle::Regular);
    f.setItalic(style == CellStyle::BoldItalic);
    f.setUnderline(underline);
    return f;
}

double PageComposer::textWidth(const QFont& font, const QString& text) const {
    return QFontMetricsF(font, &device_).horizontalAdvance(text);
}

double PageComposer::textHeight(const QFont& font, const QString&) const {
    return QFontMetricsF(font, &device_).height();
}

void PageComposer::advance(double factor) {
    y += std::round(factor * unit_);
}

void PageComposer::startPage(double topPercent) {
    pages_.pages.emplace_back();
    y = std::round(topPercent / 100.0 * pageHeight_);
}

double PageComposer::px(double percent) const {
    return std::round(percent / 100.0 * referenceWidth_);
}

void PageComposer::breakBefore(double h, TextAnchor anchor) {
    const int kind = int(anchor);
    const double keep = kind <= 2 ? 2.0 * h : kind <= 5 ? 0.0 : h / 2.0;
    if (y > pageHeight_ - std::round(keep)) startPage();
}

void PageComposer::print(double xPercent, const QString& text, const QFont& font,
                         TextAnchor anchor) {
    if (text.isEmpty()) return;
    breakBefore(textHeight(font, text), anchor);
    print(xPercent, y, text, font, anchor);
}

void PageComposer::print(double xPercent, double atY, const QString& text, const QFont& font,
                         TextAnchor anchor) {
    if (text.isEmpty()) return;
    const QFontMetricsF m(font, &device_);
    const double w = m.horizontalAdvance(text);
    const double h = m.height();
    double left = px(xPercent);
    double top = atY;
    switch (anchor) {
        case TextAnchor::TopLeft:
            break;
        case TextAnchor::TopRight:
            left -= w;
            break;
        case TextAnchor::TopCentre:
            left -= w / 2;
            break;
        case TextAnchor::BottomLeft:
            top -= h;
            break;
        case TextAnchor::BottomRight:
            left -= w;
            top -= h;
            break;
        case TextAnchor::BottomCentre:
            left -= w / 2;
            top -= h;
            break;
        case TextAnchor::Centre:
            left -= w / 2;
            top -= h / 2;
            break;
    }
    ReportItem item;
    item.kind = ReportItem::Kind::Text;
    item.font = font;
    item.baseline = QPointF(left, top + m.ascent());
    item.text = text;
    pages_.pages.back().push_back(item);
}

void PageComposer::line(double x1, double y1, double x2, double y2, double penWidth) {
    ReportItem item;
    item.kind = ReportItem::Kind::Line;
    item.line = QLineF(x1, y1, x2, y2);
    item.penWidth = penWidth;
    pages_.pages.back().push_back(item);
}

void PageComposer::rect(const QRectF& r, double penWidth) {
    ReportItem item;
    item.kind = ReportItem::Kind::Rect;
    item.rect = r;
    item.penWidth = penWidth;
    pages_.pages.back().push_back(item);
}

}  // namespace lmk17
