#include "app/window_placement.h"

#include <algorithm>

namespace lmk17 {

QPoint DefaultWindowPosition(const QRect& screen, const QSize& size, DefaultPlacement rule) {
    const int d = int(rule);
    // "div" rounds toward zero, as C++ integer division does.
    return screen.topLeft() +
           QPoint((screen.width() - size.width()) / d, (screen.height() - size.height()) / d);
}

QSize PlacedWindowSize(const StoredPair& stored, const QSize& fallback, const QRect& screen) {
    const int w = stored.x && *stored.x > 0 ? *stored.x : fallback.width();
    const int h = stored.y && *stored.y > 0 ? *stored.y : fallback.height();
    return {std::min(w, screen.width()), std::min(h, screen.height())};
}

QPoint PlacedWindowPosition(const StoredPair& stored, const QSize& size,
                            const QList<QRect>& screens, const QRect& mainScreen,
                            DefaultPlacement rule) {
    const QPoint fallback = DefaultWindowPosition(mainScreen, size, rule);
    if (stored.x && stored.y) {
        const QPoint p(*stored.x, *stored.y);
        for (const QRect& s : screens)
            if (s.contains(p)) return p;
    }
    const auto inside = [](const std::optional<int>& v, int from, int length) {
        return v && *v >= from && *v <= from + length;
    };
    return {inside(stored.x, mainScreen.x(), mainScreen.width()) ? *stored.x : fallback.x(),
            inside(stored.y, mainScreen.y(), mainScreen.height()) ? *stored.y : fallback.y()};
}

}  // namespace lmk17
