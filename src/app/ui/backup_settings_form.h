#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "app/backup_settings.h"

namespace lmk17 {

class SettingsStore;
class TransmitterStack;
class UserInteraction;

// Settings › "Backups and Writing…": where the configuration is kept before
// every write, how many backups each transmitter keeps, and whether the
// changes are shown and asked about. OK hands the fields to the core, which
// checks, saves and applies them; a refused field keeps the dialog open on it.
class TBackupSettingsForm : public QDialog {
    Q_OBJECT
public:
    TBackupSettingsForm(SettingsStore& store, TransmitterStack& stack, UserInteraction& ui,
                        QWidget* parent = nullptr);

    QLineEdit* FolderEdt() const { return folderEdt_; }
    QPushButton* BrowseBtn() const { return browseBtn_; }
    QLineEdit* KeepEdt() const { return keepEdt_; }
    QCheckBox* AskCBx() const { return askCBx_; }
    QPushButton* OkBtn() const { return okBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }

signals:
    // F1: the help topic of the dialog.
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BrowseBtnClick();
    void OkBtnClick();

    SettingsStore& store_;
    TransmitterStack& stack_;
    UserInteraction& ui_;
    QLineEdit* folderEdt_;
    QPushButton* browseBtn_;
    QLineEdit* keepEdt_;
    QCheckBox* askCBx_;
    QPushButton* okBtn_;
    QPushButton* cancelBtn_;
};

}  // namespace lmk17
