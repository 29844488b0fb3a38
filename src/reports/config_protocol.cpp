#include "reports/config_protocol.h"

#include <QCoreApplication>

#include <QPagedPaintDevice>
#include <cmath>

#include "config/config_texts.h"
#include "reports/page_composer.h"
#include "reports/report_painter.h"

namespace lmk17 {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Protocol)
};

// The range table: four columns centred on the page (14 % and three of 17 %),
// row pitch 1.2 x unit, a frame 0.6 mm wide, thinner inner lines, every cell
// centred and the header bold. Kept whole on one page. It starts a row's
// advance below the "Set Range:" label: 0.8 x unit put the frame's top line
// on the label's baseline, across its letters.
void layoutTable(PageComposer& p, const RangeTable& table) {
    const double columns[5] = {17.5, 31.5, 48.5, 65.5, 82.5};
    const double pitch = std::round(1.2 * p.unit());
    p.advance(1.1);
    if (p.y + 4 * pitch > p.pageHeight()) p.startPage();
    const double top = p.y;
    const double pen = 0.6 * p.dotsPerMillimetre();
    p.rect(QRectF(QPointF(p.px(columns[0]), top), QPointF(p.px(columns[4]), top + 4 * pitch)), pen);
    p.line(p.px(columns[0]), top + pitch, p.px(columns[4]), top + pitch, pen / 2);
    for (int c = 1; c < 4; ++c)
        p.line(p.px(columns[c]), top, p.px(columns[c]), top + 4 * pitch, pen / 2);
    const QFont bold = p.font(FontFace::Sans, 11, CellStyle::Bold);
    const QFont regular = p.font(FontFace::Sans, 11);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            p.print((columns[c] + columns[c + 1]) / 2, top + std::round((r + 0.5) * pitch),
                    table.cells[r][c], r == 0 ? bold : regular, TextAnchor::Centre);
        }
    }
    p.y = top + 4 * pitch;
}

void layoutRow(PageComposer& p, const ReportRow& row, const RangeTable& table) {
    if (row.rangeTable) {
        layoutTable(p, table);
        return;
    }
    p.advance(row.extraSpace);
    p.advance(1.1);
    for (const ReportCell& cell : row.cells) {
        const CellStyle style = cell.style;
        p.print(cell.x, cell.text, p.font(FontFace::Sans, 11, style));
    }
}

void layoutFooter(PageComposer& p, const ProtocolSignature& signature) {
    const QFont regular = p.font(FontFace::Sans, 11);
    const QString note = signature.note.trimmed();
    if (!note.isEmpty()) {
        p.advance(2.1);
        const double limit = 0.7 * p.referenceWidth();
        const QStringList lines =
            WrapNote(Texts::tr("Note.: ") + note, limit,
                     [&](const QString& s) { return p.textWidth(regular, s); });
        for (const QString& line : lines) {
            p.advance(1.1);
            p.print(kCellX[0], line, regular);
        }
    }
    p.advance(2.1);
    p.print(70, Texts::tr("Configured by"), p.font(FontFace::Sans, 11, CellStyle::Bold),
            TextAnchor::TopCentre);
    p.advance(1.1);
    p.print(70, signature.configuredBy.trimmed(), regular, TextAnchor::TopCentre);
}

}  // namespace

QStringList WrapNote(const QString& text, double maxWidth,
                     const std::function<double(const QString&)>& widthOf) {
    const QChar blank = QLatin1Char(' ');
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        line += text[i];
        if (widthOf(line) <= maxWidth) continue;
        if (text[i] == blank) {  // the blank that overflows ends the line
            lines << line.trimmed();
            line.clear();
            continue;
        }
        const qsizetype lastBlank = line.lastIndexOf(blank);
        bool wordEnds = false;
        for (int more = 0; more < 3 && !wordEnds; ++more) {
            if (i + 1 >= text.size() || text[i + 1] == blank) {
                wordEnds = true;
                break;
            }
            line += text[++i];
        }
        if (i + 1 >= text.size()) wordEnds = true;
        // A word that runs on past the look-ahead goes to the next line whole.
        if (!wordEnds && lastBlank > 0 && !line.left(lastBlank).trimmed().isEmpty()) {
            lines << line.left(lastBlank).trimmed();
            line = line.mid(lastBlank + 1);
            continue;
        }
        lines << line.trimmed();
        line.clear();
    }
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
    return lines;
}

ReportPages LayoutProtocol(const QPaintDevice& device, const ConfigurationReport& report,
                           const ProtocolSignature& signature, double printedDay) {
    PageComposer p(device);
    const QFont bold = p.font(FontFace::Sans, 11, CellStyle::Bold);
    p.setUnit(p.textHeight(bold, QStringLiteral("HkjiL")));
    p.y = std::round(0.025 * p.pageHeight()) + p.unit();
    p.advance(1.1);
    p.print(kCellX[6], Texts::tr("Date: ") + FormatDateTime(printedDay, false), bold,
            TextAnchor::TopRight);

    const QFont title = p.font(FontFace::Serif, 22, CellStyle::Bold, true);
    p.advance(1.7);
    p.print(50, Texts::tr(" Transmitter Configuration Protocol "), title, TextAnchor::TopCentre);
    p.y += std::round(p.textHeight(title, QStringLiteral("AXB")));

    for (const ReportRow& row : report.rows)
        if (row.printed) layoutRow(p, row, report.table);
    layoutFooter(p, signature);
    return p.take();
}

}  // namespace lmk17
