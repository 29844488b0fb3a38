#include "reports/report_painter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace lmk17 {

QStringList ReportPages::texts() const {
    QStringList all;
    for (const ReportPage& page : pages)
        for (const ReportItem& item : page)
            if (item.kind == ReportItem::Kind::Text) all << item.text;
    return all;
}

namespace {

void paintItem(QPainter& painter, const ReportItem& item) {
    switch (item.kind) {
        case ReportItem::Kind::Text:
            painter.setFont(item.font);
            painter.drawText(item.baseline, item.text);
            break;
        case ReportItem::Kind::Line:
            painter.setPen(QPen(Qt::black, item.penWidth, Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(item.line);
            break;
        case ReportItem::Kind::Rect:
            painter.setPen(
                QPen(Qt::black, item.penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(item.rect);
            break;
    }
}

}  // namespace

bool PaintReport(QPagedPaintDevice& device, const ReportPages& report) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    bool first = true;
    for (const ReportPage& page : report.pages) {
        if (!first && !device.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        for (const ReportItem& item : page) {
            painter.setPen(Qt::black);
            paintItem(painter, item);
        }
    }
    return painter.end();
}

}  // namespace lmk17
