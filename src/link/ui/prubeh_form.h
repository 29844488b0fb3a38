#pragma once

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QWidget>

#include "common/ui/progress_display.h"

namespace lmk17 {

// The progress window ("Prubeh": progress) of a transmitter operation: a
// small tool window, the main window's for the life of the program, shown
// above the main window (or above the modal dialog that is open) with the gauge PrubehG and the red
// cable warning HlaskaLbl. It never takes the focus from the window the user works in.
class TPrubehForm : public QWidget, public ProgressDisplay {
    Q_OBJECT
public:
    explicit TPrubehForm(QWidget* mainWindow);

    void showProgress(const QString& caption, int maximum, bool warning) override;
    void stepProgress(int position) override;
    void closeProgress() override;

    QProgressBar* PrubehG() const { return gauge_; }
    QLabel* HlaskaLbl() const { return warning_; }

signals:
    // Esc: the operation is to be broken (after the question).
    void breakRequested();
    // Alt+F4 or the close box: the main window is to be closed.
    void closeRequested();
    // F1: the help topic of the progress window.
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void placeAboveActiveWindow();
    void fitCaption(const QString& caption);

    QPointer<QWidget> main_;
    QProgressBar* gauge_;
    QLabel* warning_;
};

}  // namespace lmk17
