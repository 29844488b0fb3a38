#include "common/ui/palette_colors.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cmath>
#include <utility>

namespace lmk17 {

namespace {

double channel(double c) {
    c /= 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) +
           0.0722 * channel(rgb.blue());
}

// Keeps one widget's text colour readable across palette changes.
class ReadableTextColor : public QObject {
public:
    ReadableTextColor(QWidget* widget, const QColor& color, const QString& moreStyle)
        : QObject(widget), widget_(widget), color_(color), moreStyle_(moreStyle) {
        widget->installEventFilter(this);
        apply(widget->palette());
    }
    void set(const QColor& color, const QString& moreStyle) {
        color_ = color;
        moreStyle_ = moreStyle;
        apply(widget_->palette());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The widget's own palette follows after the filter: take the new one.
        if (watched == widget_ && event->type() == QEvent::ApplicationPaletteChange)
            apply(QApplication::palette(widget_));
        return false;
    }

private:
    void apply(const QPalette& palette) {
        const QColor shown = ReadableOn(color_, palette.color(widget_->backgroundRole()), 4.5);
        // notr: style sheet
        widget_->setStyleSheet(QStringLiteral("color: %1; %2").arg(shown.name(), moreStyle_));
    }

    QWidget* widget_;
    QColor color_;
    QString moreStyle_;
};

}  // namespace

void SetReadableTextColor(QWidget* widget, const QColor& color, const QString& moreStyle) {
    // The class has no meta-object of its own: found by name, not by type.
    const QString name = QStringLiteral("lmk17ReadableTextColor");
    auto* keeper = dynamic_cast<ReadableTextColor*>(
        widget->findChild<QObject*>(name, Qt::FindDirectChildrenOnly));
    if (keeper)
        keeper->set(color, moreStyle);
    else
        (new ReadableTextColor(widget, color, moreStyle))->setObjectName(name);
}

bool IsDarkPalette(const QPalette& palette) {
    return luminance(palette.color(QPalette::Window)) <
           luminance(palette.color(QPalette::WindowText));
}

double ContrastRatio(const QColor& a, const QColor& b) {
    double la = luminance(a), lb = luminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

QColor ReadableOn(const QColor& color, const QColor& background, double ratio) {
    if (ContrastRatio(color, background) >= ratio) return color;
    const bool lighten = luminance(background) < 0.18;
    const QColor hsl = color.toHsl();
    // Walk the lightness towards white or black; the far end always passes
    // against any background that needs it.
    for (int step = 1; step <= 20; ++step) {
        const double l = hsl.lightnessF();
        const double target = lighten ? l + (1.0 - l) * step / 20.0 : l * (20 - step) / 20.0;
        const QColor c =
            QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), float(target), hsl.alphaF());
        if (ContrastRatio(c, background) >= ratio) return c.toRgb();
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

QColor Blend(const QColor& a, const QColor& b, double t) {
    const QColor x = a.toRgb(), y = b.toRgb();
    const auto mix = [t](int u, int v) { return int(std::lround(u + (v - u) * t)); };
    return QColor(mix(x.red(), y.red()), mix(x.green(), y.green()), mix(x.blue(), y.blue()),
                  mix(x.alpha(), y.alpha()));
}

}  // namespace lmk17
