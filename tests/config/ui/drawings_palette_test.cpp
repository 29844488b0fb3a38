// The drawings of the windows (housings, the output range picture, the plot)
// under the light and the dark palette: their texts stand out from what lies
// under them, and the housings' terminal numbers stay clear of the outlines.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <algorithm>

#include "app/color_scheme.h"
#include "common/ui/palette_colors.h"
#include "common/ui/plot_view.h"
#include "config/catalogue.h"
#include "config/ui/housing_drawing.h"
#include "config/ui/out_range_picture.h"
#include "support/marking_translator.h"

static void initResources() {
    Q_INIT_RESOURCE(config_ui);
}

namespace lmk17 {
namespace {

const char* const kDrawings[] = {
    "k8410-head",        "k8410-rail",         "k8410-slim", "k8620-head",         "k8620-l1",
    "k8620-rail-1relay", "k8620-rail-2relays", "k8620-rail", "k8620-slim-2relays",
};

struct PaletteCase {
    const char* name;
    QPalette palette;
};

std::vector<PaletteCase> palettes() {
    return {{"light", LightPalette()}, {"dark", DarkPalette()}};
}

QByteArray drawing(const char* name) {
    initResources();
    QFile file(QStringLiteral(":/config/types/%1.svg").arg(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Every <text> of the file gets an id, so the renderer can say where it lies.
QByteArray withTextIds(QByteArray svg, int* count) {
    QString s = QString::fromUtf8(svg);
    int n = 0;
    QString out;
    qsizetype done = 0;
    static const QRegularExpression text(QStringLiteral("<text "));
    for (auto it = text.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        out += s.mid(done, m.capturedEnd() - done) + QStringLiteral("id=\"t%1\" ").arg(n++);
        done = m.capturedEnd();
    }
    *count = n;
    return (out + s.mid(done)).toUtf8();
}

// The colour most pixels of a rectangle have, and the one that contrasts
// most with it: what lies under a text, and the text.
std::pair<QColor, QColor> groundAndInk(const QImage& img, const QRect& r) {
    QHash<QRgb, int> counts;
    const QRect clipped = r.intersected(img.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) ++counts[img.pixel(x, y)];
    QRgb ground = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) most = it.value(), ground = it.key();
    QColor ink = QColor(ground);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (ContrastRatio(QColor(it.key()), QColor(ground)) > ContrastRatio(ink, QColor(ground)))
            ink = QColor(it.key());
    return {QColor(ground), ink};
}

// Every text of every housing drawing, rendered at 100 %, 150 % and 200 %
// on the window colour, contrasts with what lies under it.
TEST(DrawingsUnderPalettes, HousingTextsContrastWithTheirBackground) {
    for (const PaletteCase& pc : palettes())
        for (const char* name : kDrawings)
            for (double scale : {1.0, 1.5, 2.0}) {
                int texts = 0;
                const QByteArray svg =
                    withTextIds(ThemedHousingDrawing(drawing(name), pc.palette), &texts);
                QSvgRenderer renderer(svg);
                ASSERT_TRUE(renderer.isValid()) << name;
                const QSize size = renderer.defaultSize() * scale;
                QImage img(size, QImage::Format_RGB32);
                img.fill(pc.palette.color(QPalette::Window));
                {
                    QPainter p(&img);
                    renderer.render(&p);
                }
                const double k = scale;
                for (int i = 0; i < texts; ++i) {
                    const QString id = QStringLiteral("t%1").arg(i);
                    const QRectF b = renderer.boundsOnElement(id);
                    const QRect box = QRectF(b.topLeft() * k, b.size() * k).toAlignedRect();
                    const auto [ground, ink] = groundAndInk(img, box);
                    EXPECT_GE(ContrastRatio(ground, ink), 3.0)
                        << name << " " << pc.name << " at " << scale << ": text " << i;
                }
            }
}

// A terminal number never crosses a visible outline: each text lies wholly
// inside or wholly outside every outlined rectangle (stroke included), unless
// a filled rectangle drawn later covers that outline under the text.
TEST(DrawingsUnderPalettes, TerminalNumbersStayClearOfOutlines) {
    static const QRegularExpression rect(QStringLiteral(
        "<rect x=\"([\\d.]+)\" y=\"([\\d.]+)\" width=\"([\\d.]+)\" height=\"([\\d.]+)\""
        "[^>]*fill=\"([^\"]+)\"[^>]*stroke=\"[^\"]+\"(?:[^>]*stroke-width=\"([\\d.]+)\")?"));
    struct Outline {
        QRectF box;  // with half the stroke outside and inside
        bool filled;
    };
    for (const char* name : kDrawings) {
        int texts = 0;
        const QByteArray svg = withTextIds(drawing(name), &texts);
        QSvgRenderer renderer(svg);
        std::vector<Outline> outlines;
        for (auto it = rect.globalMatch(QString::fromUtf8(svg)); it.hasNext();) {
            const auto m = it.next();
            const double half = (m.captured(6).isEmpty() ? 1.0 : m.captured(6).toDouble()) / 2.0;
            outlines.push_back({QRectF(m.captured(1).toDouble(), m.captured(2).toDouble(),
                                       m.captured(3).toDouble(), m.captured(4).toDouble())
                                    .adjusted(-half, -half, half, half),
                                m.captured(5) != QLatin1String("none")});
        }
        for (int i = 0; i < texts; ++i) {
            // The glyphs' own box: a text's bounds include the line's leading.
            const QRectF b =
                renderer.boundsOnElement(QStringLiteral("t%1").arg(i)).adjusted(0, 1, 0, 0);
            for (size_t o = 0; o < outlines.size(); ++o) {
                const QRectF& box = outlines[o].box;
                if (!box.intersects(b) || box.adjusted(2, 2, -2, -2).contains(b)) continue;
                const bool covered = std::any_of(
                    outlines.begin() + o + 1, outlines.end(),
                    [&](const Outline& later) { return later.filled && later.box.contains(b); });
                EXPECT_TRUE(covered) << name << ": text " << i << " at " << b.x() << "," << b.y()
                                     << " crosses the outline at " << box.x() << "," << box.y();
            }
        }
    }
}

// The words of the drawings come from the running language, escaped for
// the file; the numbers and the type names stay.
TEST(DrawingsUnderPalettes, WordsFollowTheRunningLanguage) {
    QString svg;
    {
        test::MarkingTranslator marking("HousingDrawing");
        svg = QString::fromUtf8(ThemedHousingDrawing(drawing("k8620-l1"), LightPalette()));
    }
    EXPECT_TRUE(svg.contains(QStringLiteral(">&lt;INPUT 1–4 &amp; co&gt;<"))) << qPrintable(svg);
    EXPECT_TRUE(svg.contains(QStringLiteral(">&lt;OUTPUT AND RELAYS &amp; co&gt;<")));
    EXPECT_FALSE(svg.contains(QStringLiteral(">input 1–4<")));
    EXPECT_TRUE(svg.contains(QStringLiteral(">K8620L1<")));
    EXPECT_TRUE(QSvgRenderer(svg.toUtf8()).isValid());
}

// The ground of a widget's picture is the palette's base colour, and its
// bottom strip (labels) holds text that reads on it.
void expectReadable(const QImage& img, const QPalette& pal, int labelRows, const char* what,
                    const char* palette) {
    const auto [ground, ink] = groundAndInk(img, img.rect());
    EXPECT_EQ(ground, pal.color(QPalette::Base)) << what << " " << palette;
    const QRect strip(0, img.height() - labelRows, img.width(), labelRows);
    const auto [stripGround, stripInk] = groundAndInk(img, strip);
    EXPECT_GE(ContrastRatio(stripGround, stripInk), 4.5) << what << " " << palette;
}

TEST(DrawingsUnderPalettes, OutputRangePictureAndPlotUseThePalette) {
    for (const PaletteCase& pc : palettes()) {
        TOutRangePicture picture;
        picture.setPalette(pc.palette);
        picture.resize(360, 300);
        PhysicalOutputLimits limits;
        limits.SaturationLow = 0.0038, limits.SaturationHigh = 0.0205;
        limits.ErrorLow = 0.0036, limits.ErrorHigh = 0.021;
        picture.SelectedOutRangeDraw(1, 0.004, 0.020, limits);
        const QImage drawn = picture.grab().toImage();
        expectReadable(drawn, pc.palette, 2 * picture.fontMetrics().height() + 8,
                       "output range picture", pc.name);

        PlotView plot;
        plot.setPalette(pc.palette);
        plot.resize(400, 300);
        QLineSeries* s = plot.addSeries({QColor(0, 0, 128), true, PlotView::Symbol::Cross, {6, 6}});
        plot.setPoints(s, {{0, 0}, {1, 1}});
        plot.setRange(Qt::Horizontal, 0, 1);
        plot.setRange(Qt::Vertical, 0, 1);
        expectReadable(plot.grab().toImage(), pc.palette, 2 * plot.fontMetrics().height(), "plot",
                       pc.name);
        // The navy line is lightened on the dark base.
        EXPECT_GE(ContrastRatio(s->color(), pc.palette.color(QPalette::Base)), 3.0) << pc.name;
    }
}

}  // namespace
}  // namespace lmk17
