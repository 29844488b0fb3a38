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

QRect KeptOnScreen(const QRect& frame, const QRect& screen) {
    const auto keep = [](int from, int length, int areaFrom, int areaLength) {
        // Over the far edge: back by the overshoot; never before the near edge.
        const int over = from + length - (areaFrom + areaLength);
        if (over > 0) from -= over;
        return std::max(from, areaFrom);
    };
    return {QPoint(keep(frame.x(), frame.width(), screen.x(), screen.width()),
                   keep(frame.y(), frame.height(), screen.y(), screen.height())),
            frame.size()};
}

QRect ScreenAt(const QPoint& point, const QList<QRect>& screens, const QRect& mainScreen) {
    for (const QRect& s : screens)
        if (s.contains(point)) return s;
    return mainScreen;
}

QPoint PlacedWindowPosition(const StoredPair& stored, const QSize& size,
                            const QList<QRect>& screens, const QRect& mainScreen,
                            DefaultPlacement rule) {
    QPoint placed = DefaultWindowPosition(mainScreen, size, rule);
    const QPoint storedPoint(stored.x.value_or(0), stored.y.value_or(0));
    if (stored.x && stored.y && ScreenAt(storedPoint, screens, QRect()).isValid()) {
        placed = storedPoint;
    } else {
        const auto inside = [](const std::optional<int>& v, int from, int length) {
            return v && *v >= from && *v <= from + length;
        };
        if (inside(stored.x, mainScreen.x(), mainScreen.width())) placed.setX(*stored.x);
        if (inside(stored.y, mainScreen.y(), mainScreen.height())) placed.setY(*stored.y);
    }
    return KeptOnScreen(QRect(placed, size), ScreenAt(placed, screens, mainScreen)).topLeft();
}

namespace {

QSize FittedClientSize(const WindowRequest& window, const QRect& screen) {
    const QSize room = (screen.size() - window.frame).expandedTo(QSize(0, 0));
    return window.wanted.boundedTo(room).expandedTo(window.minimum);
}

}  // namespace

QRect PlacedWindowGeometry(const StoredPair& stored, const WindowRequest& window,
                           const QList<QRect>& screens, const QRect& mainScreen,
                           DefaultPlacement rule) {
    // The screen the stored corner names decides the room; else the main one.
    QRect screen = mainScreen;
    if (stored.x && stored.y) screen = ScreenAt(QPoint(*stored.x, *stored.y), screens, mainScreen);
    const QSize client = FittedClientSize(window, screen);
    const QPoint corner =
        PlacedWindowPosition(stored, client + window.frame, screens, mainScreen, rule);
    return {corner, client};
}

QRect ResizedWindowGeometry(const QPoint& frameCorner, const WindowRequest& window,
                            const QRect& screen) {
    const QSize client = FittedClientSize(window, screen);
    return {KeptOnScreen(QRect(frameCorner, client + window.frame), screen).topLeft(), client};
}

}  // namespace lmk17
