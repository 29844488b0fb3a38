#include "reports/lin_printout.h"

#include <QCoreApplication>

#include <QPagedPaintDevice>
#include <cmath>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "config/config_texts.h"
#include "reports/page_composer.h"
#include "reports/report_painter.h"

namespace lmk17 {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Protocol)
};

// The protocol's places: labels at 10 % and 12 %, the range name at 30 %,
// values at 38 %; the points as a paragraph under their label.
constexpr double kLabelX = 10;
constexpr double kSubLabelX = 12;
constexpr double kRangeX = 30;
constexpr double kValueX = 38;
constexpr double kPointsWidth = 60;  // percent of the reference width

QString g8(double value) {
    return QString::asprintf("%.*g", 8, value);
}

QString withUnit(double value, const QString& unit) {
    return QLatin1Char(' ') + g8(value) + QLatin1Char(' ') + unit;
}

QString displayItem(int places) {
    switch (places) {
        case 0:
            return Texts::tr("None Decimal Place");
        case 1:
            return Texts::tr("1 Decimal Place");
        default:
            return Texts::tr("2 Decimal Places");
    }
}

class LinLayout {
public:
    explicit LinLayout(const QPaintDevice& device)
        : p(device),
          bold(p.font(FontFace::Sans, 11, CellStyle::Bold)),
          italic(p.font(FontFace::Sans, 11, CellStyle::BoldItalic)),
          regular(p.font(FontFace::Sans, 11)) {
        p.setUnit(p.textHeight(bold, QStringLiteral("HkjiL")));
    }

    PageComposer p;
    QFont bold, italic, regular;

    void heading(const QString& text, double extra = 0.0) {
        p.advance(extra);
        p.advance(1.1);
        p.print(kLabelX, text, bold);
    }
    void row(const QString& label, const QString& value, bool sub = true) {
        p.advance(1.1);
        p.print(sub ? kSubLabelX : kLabelX, label, sub ? italic : bold);
        p.print(sub ? kValueX : kRangeX, value.trimmed(), regular);
    }
    // "[x; y]" items joined by ", ", a new line before an item that would
    // make the line wider than the points' width.
    void points(const QStringList& items) {
        p.advance(1.1);
        p.print(kSubLabelX, Texts::tr("Points for Approximation:"), italic);
        if (items.isEmpty()) {
            p.print(kValueX, Texts::tr("No Points"), regular);
            return;
        }
        p.advance(1.1);
        const double limit = kPointsWidth / 100.0 * p.referenceWidth();
        QString line;
        for (int i = 0; i < items.size(); ++i) {
            const QString item =
                items[i] + (i + 1 < items.size() ? QStringLiteral(", ") : QString());
            if (!line.isEmpty() && p.textWidth(regular, line + item.trimmed()) > limit) {
                p.print(kSubLabelX, line.trimmed(), regular);
                p.advance(1.1);
                line.clear();
            }
            line += item;
        }
        p.print(kSubLabelX, line.trimmed(), regular);
    }
};

QString pointText(double x, double y) {
    return QStringLiteral("[%1; %2]").arg(g8(x), g8(y));
}

}  // namespace

ReportPages LayoutLinearization(const QPaintDevice& device, const LinData& data, int rangeIndex,
                                double printedDay) {
    LinLayout l(device);
    PageComposer& p = l.p;
    const LinPom& pom = data.pom;
    p.y = std::round(0.025 * p.pageHeight()) + p.unit();
    p.advance(1.1);
    p.print(90, Texts::tr("Date: ") + FormatDateTime(printedDay, false), l.bold,
            TextAnchor::TopRight);
    const QFont title = p.font(FontFace::Serif, 20, CellStyle::Bold, true);
    p.advance(1.7);
    p.print(50, Texts::tr(" Transmitter Linearization Parameters "), title, TextAnchor::TopCentre);
    p.y += std::round(p.textHeight(title, QStringLiteral("AXB")));

    const InputRangeEntry* range = RangeAt(rangeIndex);
    l.row(Texts::tr("Input Range:"), range ? RangeName(*range) : QString(), false);

    const QString xUnit = range ? UnitSymbol(range->EditorUnit) : QString();
    const QString yUnit = UnitSymbol(pom.PvUnit);
    l.heading(Texts::tr("Linear Table"), 0.6);
    l.row(Texts::tr("Start of X:"), withUnit(InternalToInput(rangeIndex, pom.XStart()), xUnit));
    l.row(Texts::tr("End of X:"), withUnit(InternalToInput(rangeIndex, pom.XEnd()), xUnit));
    l.row(Texts::tr("Start of Y:"), withUnit(pom.YStart(), yUnit));
    l.row(Texts::tr("End of Y:"), withUnit(pom.YEnd(), yUnit));
    l.row(Texts::tr("Display Configuration:"), displayItem(pom.DecimalPlaces()));
    QStringList items;
    const int count = data.LinPoints.count;
    if (count > 0 && count <= LinPointTable::kCapacity)
        for (int i = 0; i < count; ++i)
            items << pointText(data.LinPoints[i].x, data.LinPoints[i].y);
    l.points(items);

    if (pom.HasCjc) {
        const bool ohm = pom.CjcXUnit == 1;
        l.heading(Texts::tr("Cold Junction Compensation"), 0.6);
        l.row(Texts::tr("Unit of X-Values:"), ohm ? Texts::tr("Ohm") : QString::fromUtf8("°C"));
        QStringList cj;
        const int n = data.CJCPoints.count;
        if (n > 0 && n <= CjcPointTable::kCapacity)
            for (int i = 0; i < n; ++i) {
                const XYPoint& pt = data.CJCPoints[i];
                cj << pointText(ohm ? pt.x : CjcOhmToCelsius(pt.x), pt.y);
            }
        l.points(cj);
    }
    return p.take();
}

}  // namespace lmk17
