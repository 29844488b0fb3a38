#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>

#include "app/settings_store.h"
#include "app/ui/main_form.h"
#include "common/ui/plot_view.h"

namespace lmk17 {

class TransmitterStack;

namespace test {

// Chooses `file` in a file dialog that shows and accepts it once the caller's
// slot has returned, whether or not the dialog's name field has the focus.
void ChooseFile(QFileDialog* dialog, const QString& file);

// Answers every message box that shows with `answer` (Yes/OK or No) and
// keeps its text; `also` runs while the box shows. A box whose text holds a
// key of `answers` gets that key's button instead. A file dialog is given
// `file` when that is set.
class BoxAnswerer {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer);
    QStringList texts;
    QString file;
    std::function<void()> also;
    QList<QPair<QString, QMessageBox::StandardButton>> answers;
    // The texts shown that hold `part`.
    int count(const QString& part) const { return int(texts.filter(part).size()); }

private:
    QMessageBox::StandardButton answer_;
    QTimer timer_;
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
    // Reads the connected transmitter with the window's Read button, as the
    // user does: true once the read has ended with a configuration shown.
    bool readWithTheReadButton();
};

// Watches the bottom and left axes of a plot: the most ticks either held at
// any moment, whatever changed its range or tick interval. An axis found
// with more than `limit` ticks is given a coarse interval at once, so that a
// fault fails the test instead of hanging it.
class TickWatch {
public:
    explicit TickWatch(PlotView& plot, int limit = 1000);
    int most() const { return most_; }

private:
    void check(QValueAxis* axis);
    int limit_;
    int most_ = 0;
};

// The program's texts in one language module (`kLanguages` index; English is
// built in) and Qt's own, for as long as it lives. Windows made meanwhile
// show that language.
class LanguageModule {
public:
    explicit LanguageModule(int language);
    ~LanguageModule();
    bool loaded() const { return loaded_; }

private:
    QTranslator module_;
    QTranslator qt_;
    bool loaded_ = true;
};

}  // namespace test
}  // namespace lmk17
