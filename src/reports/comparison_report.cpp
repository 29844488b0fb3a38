#include "reports/comparison_report.h"

#include <QCoreApplication>
#include <cmath>

#include "config/config_texts.h"
#include "reports/page_composer.h"

namespace lmk17 {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Comparison)
};

// Field, this side, the other side (percent of the width).
constexpr double kColumns[3] = {6, 45, 72};
constexpr double kRightEdge = 98;

// A text cut to `width` device pixels, its end marked.
QString fitted(const PageComposer& p, const QFont& font, const QString& text, double width) {
    if (p.textWidth(font, text) <= width) return text;
    QString cut = text;
    const QString ellipsis = QStringLiteral("…");
    while (!cut.isEmpty() && p.textWidth(font, cut + ellipsis) > width) cut.chop(1);
    return cut + ellipsis;
}

}  // namespace

std::vector<const FieldComparison*> ComparisonRows(const ConfigurationComparison& comparison,
                                                   bool allFields) {
    std::vector<const FieldComparison*> rows;
    for (const FieldComparison& f : comparison.fields)
        if (allFields || f.differs()) rows.push_back(&f);
    return rows;
}

QString ComparisonSummary(const ConfigurationComparison& c) {
    const int count = c.differenceCount();
    if (count == 1) return Texts::tr("1 field differs.");
    if (count > 1) return Texts::tr("Fields that differ: %1.").arg(count);
    if (!c.recordDifferences.isEmpty())
        return Texts::tr("The listed values are equal; the stored values differ in: %1.")
            .arg(c.recordDifferences.join(QStringLiteral(", ")));
    return Texts::tr("The configurations are equal.");
}

ReportPages LayoutComparison(const QPaintDevice& device, const ConfigurationComparison& comparison,
                             const QString& leftName, const QString& rightName, bool allFields,
                             double printedDay) {
    PageComposer p(device);
    const QFont bold = p.font(FontFace::Sans, 11, CellStyle::Bold);
    const QFont regular = p.font(FontFace::Sans, 10);
    const QFont strong = p.font(FontFace::Sans, 10, CellStyle::Bold);
    p.setUnit(p.textHeight(bold, QStringLiteral("HkjiL")));
    p.y = std::round(0.025 * p.pageHeight()) + p.unit();
    p.advance(1.1);
    p.print(90, Texts::tr("Date: ") + FormatDateTime(printedDay, false), bold,
            TextAnchor::TopRight);
    const QFont title = p.font(FontFace::Serif, 22, CellStyle::Bold, true);
    p.advance(1.7);
    p.print(50, Texts::tr(" Configuration Comparison "), title, TextAnchor::TopCentre);
    p.y += std::round(p.textHeight(title, QStringLiteral("AXB")));
    p.advance(1.0);

    const double widths[3] = {p.px(kColumns[1] - kColumns[0] - 1),
                              p.px(kColumns[2] - kColumns[1] - 1), p.px(kRightEdge - kColumns[2])};
    const auto row = [&](const QString(&cells)[3], const QFont& font) {
        for (int c = 0; c < 3; ++c)
            p.print(kColumns[c], fitted(p, font, cells[c], widths[c]), font);
        p.advance(1.25);
    };
    row({Texts::tr("Field"), leftName, rightName}, bold);
    const double pen = 0.3 * p.dotsPerMillimetre();
    p.line(p.px(kColumns[0]), p.y - 0.15 * p.unit(), p.px(kRightEdge), p.y - 0.15 * p.unit(), pen);
    for (const FieldComparison* f : ComparisonRows(comparison, allFields))
        row({f->name, f->left, f->right}, allFields && f->differs() ? strong : regular);
    p.advance(1.0);
    p.print(kColumns[0], ComparisonSummary(comparison), bold);
    return p.take();
}

}  // namespace lmk17
