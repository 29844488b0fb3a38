#include "app/ui/backup_settings_form.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "app/help_contexts.h"
#include "app/settings_store.h"

namespace lmk17 {

TBackupSettingsForm::TBackupSettingsForm(SettingsStore& store, TransmitterStack& stack,
                                         UserInteraction& ui, QWidget* parent)
    : QDialog(parent),
      store_(store),
      stack_(stack),
      ui_(ui),
      folderEdt_(new QLineEdit(this)),
      browseBtn_(new QPushButton(tr("Browse…"), this)),
      keepEdt_(new QLineEdit(this)),
      askCBx_(new QCheckBox(tr("Show the changes and ask before writing"), this)),
      okBtn_(new QPushButton(tr("OK"), this)),
      cancelBtn_(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("BackupSettingsForm"));
    setWindowTitle(tr("Backups and Writing"));
    folderEdt_->setObjectName(QStringLiteral("FolderEdt"));
    folderEdt_->setAccessibleName(tr("Backup folder"));
    folderEdt_->setPlaceholderText(DefaultBackupFolderShown(store_.folders()));
    folderEdt_->setToolTip(tr("Empty: %1").arg(folderEdt_->placeholderText()));
    browseBtn_->setObjectName(QStringLiteral("BrowseBtn"));
    browseBtn_->setAccessibleName(tr("Choose the backup folder"));
    keepEdt_->setObjectName(QStringLiteral("KeepEdt"));
    keepEdt_->setAccessibleName(tr("Backups kept per transmitter"));
    keepEdt_->setMaxLength(8);
    askCBx_->setObjectName(QStringLiteral("AskCBx"));
    askCBx_->setAccessibleName(askCBx_->text());
    okBtn_->setObjectName(QStringLiteral("OkBtn"));
    okBtn_->setDefault(true);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));

    const BackupSettingsFields fields = BackupFieldsOf(store_.settings(), store_.folders());
    folderEdt_->setText(fields.folder);
    keepEdt_->setText(fields.keepBackups);
    askCBx_->setChecked(fields.askBeforeWrite);

    auto* note = new QLabel(
        tr("Before every write the configuration the transmitter holds is kept in the backup "
           "folder, in a folder of its own per serial number. Backups newer than a week are never "
           "deleted."),
        this);
    note->setObjectName(QStringLiteral("NoteLbl"));
    note->setWordWrap(true);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderEdt_, 1);
    folderRow->addWidget(browseBtn_);
    auto* form = new QFormLayout;
    form->addRow(tr("Backup folder:"), folderRow);
    form->addRow(tr("Backups kept per transmitter:"), keepEdt_);
    form->addRow(askCBx_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    // The folder shows its whole default path; the count is a short number.
    folderEdt_->setMinimumWidth(
        folderEdt_->fontMetrics().horizontalAdvance(folderEdt_->placeholderText() + "MM"));
    keepEdt_->setMaximumWidth(keepEdt_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                              24);
    resize(qMax(sizeHint().width(), 480), sizeHint().height());

    connect(browseBtn_, &QPushButton::clicked, this, &TBackupSettingsForm::BrowseBtnClick);
    connect(okBtn_, &QPushButton::clicked, this, &TBackupSettingsForm::OkBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
}

void TBackupSettingsForm::BrowseBtnClick() {
    const QString start =
        folderEdt_->text().trimmed().isEmpty() ? store_.folders().dataFolder : folderEdt_->text();
    QFileDialog dialog(this, tr("Backup folder"), start);
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    folderEdt_->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

void TBackupSettingsForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(help::BackupSettings);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TBackupSettingsForm::OkBtnClick() {
    const BackupSettingsFields fields{folderEdt_->text(), keepEdt_->text(), askCBx_->isChecked()};
    switch (ApplyBackupFields(fields, store_, stack_, ui_)) {
        case BackupField::None:
            accept();
            return;
        case BackupField::KeepBackups:
            keepEdt_->setFocus();
            keepEdt_->selectAll();
            return;
        case BackupField::Folder:
        case BackupField::SettingsFile:
            folderEdt_->setFocus();
            folderEdt_->selectAll();
            return;
    }
}

}  // namespace lmk17
