#include "config/ui/out_range_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "common/ui/palette_colors.h"

namespace lmk17 {

TOutRangePicture::TOutRangePicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 200);
}

void TOutRangePicture::SelectedOutRangeDraw(int outputTypeCode, double start, double end,
                                            const PhysicalOutputLimits& limits) {
    typeCode_ = outputTypeCode;
    start_ = start;
    end_ = end;
    limits_ = limits;
    update();
}

void TOutRangePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Palette roles throughout, so the picture reads on a light and a dark palette.
    const QPalette& pal = palette();
    const QColor base = pal.color(QPalette::Base);
    const QColor ink = pal.color(QPalette::Text);
    p.fillRect(rect(), base);
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const OutputTypeEntry* type = OutputTypeAt(typeCode_);
    if (!type) return;
    const double k = type->k;
    const QString unit = UnitSymbol(type->UnitCode);

    // Vertical scale: from the lowest to the highest value any limit may take.
    const double lo = std::min({type->q[8], type->q[10], limits_.ErrorLow, start_});
    const double hi = std::max({type->q[9], type->q[11], limits_.ErrorHigh, end_});
    const QFontMetrics fm(font());
    const QRectF plot =
        QRectF(rect()).adjusted(fm.horizontalAdvance(QStringLiteral("00.00 mA")) + 12,
                                fm.height() + 6, -90, -2 * fm.height() - 8);
    auto yOf = [&](double v) { return plot.bottom() - (v - lo) / (hi - lo) * plot.height(); };
    // Input axis: a quarter of the width on either side of the range.
    const double x0 = plot.left() + plot.width() * 0.2, x1 = plot.right() - plot.width() * 0.2;

    p.setPen(QPen(ink, 1));
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawText(QPointF(plot.left() - 4, plot.top() - 4), unit);

    // The levels: a line across, the value at the left, the name at the right.
    struct Level {
        double value;
        QColor color;
        Qt::PenStyle style;
        QString name;
    };
    const QColor grey = ReadableOn(Blend(ink, base, 0.4), base, 3.0);
    const QColor blue = ReadableOn(QColor(0x1f, 0x5f, 0xbf), base, 4.5);
    const QColor red = ReadableOn(QColor(0xc0, 0x20, 0x20), base, 4.5);
    const Level levels[] = {
        {type->Start(), grey, Qt::DotLine, QString()},
        {type->End(), grey, Qt::DotLine, QString()},
        {limits_.SaturationLow, blue, Qt::DashLine, tr("limit")},
        {limits_.SaturationHigh, blue, Qt::DashLine, tr("limit")},
        {limits_.ErrorLow, red, Qt::DashDotLine, tr("error")},
        {limits_.ErrorHigh, red, Qt::DashDotLine, tr("error")},
    };
    struct Label {
        double y;
        QString text;
        QColor color;
    };
    std::vector<Label> values, names;
    for (const Level& l : levels) {
        const double y = yOf(l.value);
        p.setPen(QPen(l.color, 1, l.style));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        const QString value = QString::asprintf("%.*g", 5, l.value * k);
        // Equal values are labelled once.
        if (std::none_of(values.begin(), values.end(),
                         [&](const Label& v) { return v.text == value; }))
            values.push_back({y, value, l.color});
        if (!l.name.isEmpty()) names.push_back({y, l.name, l.color});
    }
    // Labels of close levels are moved apart just enough not to overlap.
    const auto spread = [&](std::vector<Label>& labels) {
        std::sort(labels.begin(), labels.end(),
                  [](const Label& a, const Label& b) { return a.y < b.y; });
        const double gap = fm.height();
        for (size_t i = 1; i < labels.size(); ++i)
            labels[i].y = std::max(labels[i].y, labels[i - 1].y + gap);
        const double bottom = height() - gap / 2.0;
        if (!labels.empty() && labels.back().y > bottom) labels.back().y = bottom;
        for (size_t i = labels.size(); i-- > 1;)
            labels[i - 1].y = std::min(labels[i - 1].y, labels[i].y - gap);
    };
    spread(values);
    spread(names);
    for (const Label& l : values) {
        p.setPen(l.color);
        p.drawText(QRectF(0, l.y - fm.height() / 2.0, plot.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, l.text);
    }
    for (const Label& l : names) {
        p.setPen(l.color);
        p.drawText(QPointF(plot.right() + 6, l.y + fm.ascent() / 2.0 - 1), l.text);
    }

    // The characteristic: the range between the range values, held at the
    // output limits beyond them.
    const double satLo = std::min(limits_.SaturationLow, limits_.SaturationHigh);
    const double satHi = std::max(limits_.SaturationLow, limits_.SaturationHigh);
    const double slope = (end_ - start_) / (x1 - x0);
    auto xAt = [&](double v) { return slope == 0.0 ? x0 : x0 + (v - start_) / slope; };
    QPainterPath path;
    const double yLeft = std::clamp(start_ - slope * (x0 - plot.left()), satLo, satHi);
    path.moveTo(plot.left(), yOf(yLeft));
    const double xa = std::clamp(xAt(yLeft), plot.left(), plot.right());
    path.lineTo(xa, yOf(yLeft));
    const double yRight = std::clamp(end_ + slope * (plot.right() - x1), satLo, satHi);
    const double xb = std::clamp(xAt(yRight), plot.left(), plot.right());
    path.lineTo(xb, yOf(yRight));
    path.lineTo(plot.right(), yOf(yRight));
    p.setPen(QPen(ReadableOn(QColor(0x10, 0x80, 0x30), base, 3.0), 2.5));
    p.drawPath(path);

    p.setPen(QPen(ink, 1, Qt::DotLine));
    p.drawLine(QPointF(x0, plot.bottom()), QPointF(x0, yOf(start_)));
    p.drawLine(QPointF(x1, plot.bottom()), QPointF(x1, yOf(end_)));
    p.setPen(ink);
    const double tx = fm.height() + 2;
    p.drawText(QRectF(x0 - 60, plot.bottom() + 2, 120, tx), Qt::AlignCenter,
               tr("Lower Range Value"));
    p.drawText(QRectF(x1 - 60, plot.bottom() + 2, 120, tx), Qt::AlignCenter,
               tr("Upper Range Value"));
    p.drawText(QRectF(plot.left(), plot.bottom() + tx + 2, plot.width(), tx), Qt::AlignCenter,
               QString::asprintf("%.*g ", 5, start_ * k) + unit + QStringLiteral("  \u2192  ") +
                   QString::asprintf("%.*g ", 5, end_ * k) + unit);
}

}  // namespace lmk17
