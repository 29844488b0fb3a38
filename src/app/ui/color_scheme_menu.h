#pragma once

#include <QMenu>

#include "app/color_scheme.h"

class QAction;

namespace lmk17 {

class SettingsStore;
class UserInteraction;

// Puts a scheme's look on the whole program: its style and palette, or the
// style and palette the program started with for System. Every window
// repaints in the new colours at once.
void ApplyColorScheme(ColorScheme scheme);

// View › "Colours": Light / Dark / System. A pick is applied at once and
// kept in the settings file.
class TColorSchemeMenu : public QMenu {
    Q_OBJECT
public:
    TColorSchemeMenu(SettingsStore& store, UserInteraction& ui, QWidget* parent = nullptr);

    QAction* SchemeMnu[3] = {};  // by ColorScheme: Light, Dark, System

private:
    void SchemeMnuClick(ColorScheme scheme);

    SettingsStore& store_;
    UserInteraction& ui_;
};

}  // namespace lmk17
