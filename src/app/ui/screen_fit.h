#pragma once

#include <QSize>

#include "app/app_settings.h"
#include "app/window_placement.h"

class QWidget;

namespace lmk17 {

// What the window's frame adds to its client size: measured once the window
// has been shown, estimated (a title bar) before.
QSize FrameExtra(const QWidget& window);

// The available areas of all screens, and that of the main screen.
QList<QRect> AvailableScreens();
QRect MainAvailableScreen();

// Places a top-level window at start (PlacedWindowGeometry): its `wanted`
// size reduced to the screen, at the stored position or the default one.
// Without window positions (Wayland) only the size is applied.
void PlaceOnScreen(QWidget& window, const StoredPair& stored, const QSize& wanted,
                   DefaultPlacement rule, bool positionsWork);

// Resizes a window to `wanted` as far as its screen allows and, when it
// shows, moves it as little as it takes to lie whole on that screen.
void ResizeOnScreen(QWidget& window, const QSize& wanted);

}  // namespace lmk17
