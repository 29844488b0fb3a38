#include "app/color_scheme.h"

namespace lmk17 {

namespace {

const char* const kSettings[] = {"Light", "Dark", "System"};

void setBoth(QPalette& p, QPalette::ColorRole role, const QColor& active, const QColor& disabled) {
    p.setColor(QPalette::Active, role, active);
    p.setColor(QPalette::Inactive, role, active);
    p.setColor(QPalette::Disabled, role, disabled);
}

struct Shades {
    QColor window, base, alternate, text, disabledText, button, light, mid, dark, shadow, highlight,
        highlightedText, link, placeholder;
};

QPalette paletteOf(const Shades& s) {
    QPalette p;
    setBoth(p, QPalette::Window, s.window, s.window);
    setBoth(p, QPalette::WindowText, s.text, s.disabledText);
    setBoth(p, QPalette::Base, s.base, s.window);
    setBoth(p, QPalette::AlternateBase, s.alternate, s.alternate);
    setBoth(p, QPalette::ToolTipBase, s.base, s.base);
    setBoth(p, QPalette::ToolTipText, s.text, s.text);
    setBoth(p, QPalette::PlaceholderText, s.placeholder, s.placeholder);
    setBoth(p, QPalette::Text, s.text, s.disabledText);
    setBoth(p, QPalette::Button, s.button, s.button);
    setBoth(p, QPalette::ButtonText, s.text, s.disabledText);
    setBoth(p, QPalette::BrightText, Qt::red, Qt::red);
    setBoth(p, QPalette::Light, s.light, s.light);
    setBoth(p, QPalette::Midlight, s.light, s.light);
    setBoth(p, QPalette::Mid, s.mid, s.mid);
    setBoth(p, QPalette::Dark, s.dark, s.dark);
    setBoth(p, QPalette::Shadow, s.shadow, s.shadow);
    setBoth(p, QPalette::Highlight, s.highlight, s.mid);
    setBoth(p, QPalette::HighlightedText, s.highlightedText, s.disabledText);
    setBoth(p, QPalette::Link, s.link, s.link);
    setBoth(p, QPalette::LinkVisited, s.link, s.link);
    return p;
}

}  // namespace

ColorScheme ColorSchemeOfSetting(const QString& stored) {
    const QString t = stored.trimmed();
    for (int i = 0; i < 3; ++i)
        if (t.compare(QLatin1String(kSettings[i]), Qt::CaseInsensitive) == 0) return ColorScheme(i);
    return ColorScheme::System;
}

QString ColorSchemeSetting(ColorScheme scheme) {
    return QLatin1String(kSettings[int(scheme)]);
}

SchemeLook LookOf(ColorScheme scheme) {
    switch (scheme) {
        case ColorScheme::Light:
            return {QStringLiteral("Fusion"), true, LightPalette()};
        case ColorScheme::Dark:
            return {QStringLiteral("Fusion"), true, DarkPalette()};
        case ColorScheme::System:
            break;
    }
    return {};
}

QPalette LightPalette() {
    return paletteOf({QColor(0xef, 0xef, 0xef), Qt::white, QColor(0xf7, 0xf7, 0xf7), Qt::black,
                      QColor(0x9a, 0x9a, 0x9a), QColor(0xef, 0xef, 0xef), Qt::white,
                      QColor(0xb8, 0xb8, 0xb8), QColor(0x9f, 0x9f, 0x9f), QColor(0x76, 0x76, 0x76),
                      QColor(0x30, 0x8c, 0xc6), Qt::white, QColor(0x00, 0x57, 0xae),
                      QColor(0x70, 0x70, 0x70)});
}

QPalette DarkPalette() {
    return paletteOf({QColor(0x35, 0x35, 0x35), QColor(0x23, 0x23, 0x23), QColor(0x2c, 0x2c, 0x2c),
                      QColor(0xee, 0xee, 0xee), QColor(0x80, 0x80, 0x80), QColor(0x3c, 0x3c, 0x3c),
                      QColor(0x50, 0x50, 0x50), QColor(0x5a, 0x5a, 0x5a), QColor(0x23, 0x23, 0x23),
                      QColor(0x14, 0x14, 0x14), QColor(0x2a, 0x82, 0xda), Qt::white,
                      QColor(0x6c, 0xb4, 0xff), QColor(0xa0, 0xa0, 0xa0)});
}

}  // namespace lmk17
