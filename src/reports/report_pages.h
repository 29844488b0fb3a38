#pragma once

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QPaintDevice;

namespace lmk17 {

// A printout laid out for one device, page by page, in device pixels: what
// the painter draws, decided before anything is drawn.
struct ReportItem {
    enum class Kind { Text, Line, Rect };
    Kind kind = Kind::Text;
    QFont font;         // Text
    QPointF baseline;   // Text: left end of the baseline
    QString text;       // Text
    QLineF line;        // Line
    QRectF rect;        // Rect (transparent fill)
    double penWidth{};  // Line, Rect
};

using ReportPage = std::vector<ReportItem>;

struct ReportPages {
    std::vector<ReportPage> pages;

    // The texts of every page in drawing order (for tests and checks).
    QStringList texts() const;
};

}  // namespace lmk17
