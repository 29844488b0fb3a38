#include "config/ui/housing_drawing.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <iterator>

#include "common/ui/palette_colors.h"

namespace lmk17 {

namespace {

// The words of the drawings, as the files hold them.
const char* const kWords[] = {
    QT_TRANSLATE_NOOP("HousingDrawing", "input 1–4"),
    QT_TRANSLATE_NOOP("HousingDrawing", "output and relays"),
    QT_TRANSLATE_NOOP("HousingDrawing", "output"),
    QT_TRANSLATE_NOOP("HousingDrawing", "sensor head mount"),
};

QString hex(const QColor& c) {
    return c.name(QColor::HexRgb);
}

}  // namespace

QByteArray ThemedHousingDrawing(const QByteArray& svg, const QPalette& palette) {
    QString text = QString::fromUtf8(svg);
    const QColor base = palette.color(QPalette::Base);
    const QColor ink = palette.color(QPalette::Text);
    const QColor housing = Blend(base, palette.color(QPalette::Highlight), 0.10);
    const QColor outline =
        ReadableOn(Blend(palette.color(QPalette::Highlight), ink, 0.45), housing, 4.5);
    const QColor relayInk = ReadableOn(QColor(0x80, 0x66, 0x00), base, 4.5);
    // Each drawn colour of the files and what it stands for.
    const std::pair<const char*, QColor> colours[] = {
        {"#eef2f7", housing},
        {"#2b4a6f", outline},
        {"#fff", base},
        {"#d9d9d9", palette.color(QPalette::Button)},
        {"#333", ReadableOn(Blend(ink, base, 0.2), palette.color(QPalette::Button), 4.5)},
        {"#555", ReadableOn(Blend(ink, base, 0.3), base, 4.5)},
        {"#bbb", palette.color(QPalette::Mid)},
        {"#777", palette.color(QPalette::Dark)},
        {"#806600", relayInk},
        {"#fff6d5", Blend(base, QColor(0xff, 0xcc, 0x00), 0.18)},
    };
    // One pass, so a colour put in is never taken for one of the file's.
    static const QRegularExpression quotedColour(QStringLiteral("\"(#[0-9a-f]{3,6})\""));
    QString out;
    qsizetype done = 0;
    for (auto it = quotedColour.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const auto found = std::find_if(std::begin(colours), std::end(colours), [&](const auto& c) {
            return m.captured(1) == QLatin1String(c.first);
        });
        if (found == std::end(colours)) continue;
        out += text.mid(done, m.capturedStart() - done);
        out += QLatin1Char('"') + hex(found->second) + QLatin1Char('"');
        done = m.capturedEnd();
    }
    text = out + text.mid(done);
    // Text without a colour of its own (the terminal numbers, the words)
    // takes the text colour.
    const QString textColour = hex(palette.color(QPalette::WindowText));
    text.replace(QLatin1String("<svg "),
                 QStringLiteral("<svg fill=\"%1\" ").arg(textColour));  // notr: SVG
    for (const char* word : kWords) {
        const QString shown = QCoreApplication::translate("HousingDrawing", word).toHtmlEscaped();
        text.replace(QLatin1Char('>') + QString::fromUtf8(word) + QLatin1Char('<'),
                     QLatin1Char('>') + shown + QLatin1Char('<'));
    }
    return text.toUtf8();
}

}  // namespace lmk17
