#include "app/ui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace lmk17 {

QSize FrameExtra(const QWidget& window) {
    const QSize measured = window.frameGeometry().size() - window.size();
    if (window.isVisible() && !measured.isEmpty()) return measured;
    // A title bar and thin borders, as most window managers draw them.
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    const int border = 4;
    return {2 * border, title + 2 * border};
}

QList<QRect> AvailableScreens() {
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    return screens;
}

QRect MainAvailableScreen() {
    const QScreen* main = QGuiApplication::primaryScreen();
    return main ? main->availableGeometry() : QRect();
}

void PlaceOnScreen(QWidget& window, const StoredPair& stored, const QSize& wanted,
                   DefaultPlacement rule, bool positionsWork) {
    const QRect main = MainAvailableScreen();
    if (main.isEmpty()) return;
    const WindowRequest request{wanted, window.minimumSizeHint().expandedTo(window.minimumSize()),
                                FrameExtra(window)};
    const QRect placed = PlacedWindowGeometry(positionsWork ? stored : StoredPair{}, request,
                                              AvailableScreens(), main, rule);
    window.resize(placed.size());
    if (positionsWork) window.move(placed.topLeft());
}

void ResizeOnScreen(QWidget& window, const QSize& wanted) {
    const QRect main = MainAvailableScreen();
    if (main.isEmpty()) return;
    const QPoint corner = window.frameGeometry().topLeft();
    const WindowRequest request{wanted, window.minimumSizeHint().expandedTo(window.minimumSize()),
                                FrameExtra(window)};
    const QRect placed =
        ResizedWindowGeometry(corner, request, ScreenAt(corner, AvailableScreens(), main));
    window.resize(placed.size());
    // A dialog not yet shown is centred on its parent by Qt, on the screen.
    if (window.isVisible() && placed.topLeft() != corner) window.move(placed.topLeft());
}

}  // namespace lmk17
