#pragma once

#include <QLabel>
#include <QWidget>

namespace lmk17 {

class MakerLinks;

// The about window ("Spl": splash): the program's name, version and
// purpose, the maker's addresses, and the settings file in use. A tool
// window above the main window; Esc or a click on it closes it.
class TSplForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplForm(QWidget* mainWindow);

    void setSettingsFile(const QString& path);
    // Shows it centred on the main window (unless already shown).
    void showAbout();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* settingsFile_;
    MakerLinks* links_;
};

}  // namespace lmk17
