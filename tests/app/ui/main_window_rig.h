#pragma once

#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/settings_store.h"
#include "app/ui/main_form.h"

namespace lmk17 {

class TransmitterStack;

namespace test {

// Answers every message box that shows with `answer` (Yes/OK or No) and
// keeps its text; `also` runs while the box shows.
class BoxAnswerer {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer);
    QStringList texts;
    std::function<void()> also;

private:
    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
};

// The desktop program's main window on a settings file of its own in a
// temporary home, shown (offscreen).
struct Shell {
    QTemporaryDir home;
    SettingsStore store{home.filePath("lmk17.ini"),
                        AppFolders{home.path() + "/", home.path() + "/"}};
    std::unique_ptr<TMainForm> form;

    explicit Shell(const QByteArray& ini = {});
    TransmitterStack& stack() { return form->stack(); }
};

}  // namespace test
}  // namespace lmk17
