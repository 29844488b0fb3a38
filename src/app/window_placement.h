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
// lies outside the main screen, takes its default.
QPoint PlacedWindowPosition(const StoredPair& stored, const QSize& size,
                            const QList<QRect>& screens, const QRect& mainScreen,
                            DefaultPlacement rule);

}  // namespace lmk17
