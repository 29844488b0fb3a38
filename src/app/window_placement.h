#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "app/app_settings.h"

namespace lmk17 {

// Where a window goes when nothing valid is stored, as a fraction of the
// free room on the screen: centred (div 2), a third (div 3), a fifth (div 5).
enum class DefaultPlacement { Centred = 2, Third = 3, Fifth = 5 };

// The default left/top of a window of this size on this screen.
QPoint DefaultWindowPosition(const QRect& screen, const QSize& size, DefaultPlacement rule);

// A stored size reduced to the screen; a missing value takes the default.
QSize PlacedWindowSize(const StoredPair& stored, const QSize& fallback, const QRect& screen);

// The position a window takes at start. A stored position whose top-left
// corner lies on any of the screens (available areas; a monitor on the left
// has a negative x) is kept. Otherwise each coordinate that is missing, or
// lies outside the main screen, takes its default. Either way the window
// (`size` is its frame's) is then moved, as little as it takes, to lie
// whole on the screen of its top-left corner: a position stored at another
// scale or on a larger screen never leaves a part beyond the edge.
QPoint PlacedWindowPosition(const StoredPair& stored, const QSize& size,
                            const QList<QRect>& screens, const QRect& mainScreen,
                            DefaultPlacement rule);

// A frame moved, as little as it takes, to lie on `screen`; one larger than
// the screen keeps its top-left corner on it (the title bar stays in reach).
QRect KeptOnScreen(const QRect& frame, const QRect& screen);

// The available area a window at `point` belongs to: the screen holding the
// point, else the main screen.
QRect ScreenAt(const QPoint& point, const QList<QRect>& screens, const QRect& mainScreen);

// Everything a window needs to be placed: the client size it would like,
// the least it can take, and what its frame adds (title bar, borders).
struct WindowRequest {
    QSize wanted;
    QSize minimum;
    QSize frame;
};

// The client geometry of a window at start: its wanted size reduced to the
// screen it lands on (never below its minimum), at the position
// PlacedWindowPosition gives its frame. The rectangle's top-left is the
// frame's (what QWidget::move takes), its size the client's (resize).
QRect PlacedWindowGeometry(const StoredPair& stored, const WindowRequest& window,
                           const QList<QRect>& screens, const QRect& mainScreen,
                           DefaultPlacement rule);

// A window already placed, given a new wanted size (a page that has come to
// need more room): the size as far as `screen` allows (never below the
// minimum), the frame's corner moved as little as it takes to keep it whole.
QRect ResizedWindowGeometry(const QPoint& frameCorner, const WindowRequest& window,
                            const QRect& screen);

}  // namespace lmk17
