#include "app/ui/restore_form.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QVBoxLayout>

#include "stack/transmitter_stack.h"

namespace lmk17 {

TRestoreForm::TRestoreForm(BackupChoices choices, QWidget* parent)
    : QDialog(parent),
      choices_(std::move(choices)),
      list_(new QTableWidget(0, 3, this)),
      summaryLbl_(new QLabel(this)),
      restoreBtn_(new QPushButton(tr("Restore"), this)),
      cancelBtn_(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("RestoreForm"));
    setWindowTitle(tr("Restore from Backup"));
    list_->setObjectName(QStringLiteral("BackupList"));
    list_->setAccessibleName(tr("Backups of the transmitter"));
    list_->setHorizontalHeaderLabels({tr("Taken"), tr("Range"), tr("Differing fields")});
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    list_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    list_->setWordWrap(false);
    summaryLbl_->setObjectName(QStringLiteral("SummaryLbl"));
    summaryLbl_->setWordWrap(true);
    summaryLbl_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    restoreBtn_->setObjectName(QStringLiteral("RestoreBtn"));
    restoreBtn_->setAccessibleName(tr("Restore the chosen backup"));
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    restoreBtn_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(restoreBtn_);
    buttons->addWidget(cancelBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLbl_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    setMinimumSize(layout->minimumSize().expandedTo(QSize(480, 260)));
    resize(640, 400);

    connect(list_, &QTableWidget::itemSelectionChanged, this, &TRestoreForm::selectionChanged);
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (restoreBtn_->isEnabled()) accept();
    });
    connect(restoreBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
    fillList();
}

void TRestoreForm::fillList() {
    const int n = int(choices_.backups.size());
    list_->setRowCount(n);
    const QLocale locale;
    for (int r = 0; r < n; ++r) {
        const BackupChoice& b = choices_.backups[size_t(r)];
        const QString cells[3] = {
            locale.toString(b.taken, QLocale::ShortFormat),
            b.readable() ? b.range : tr("The file cannot be read."),
            b.readable() ? QString::number(b.differing) : QStringLiteral("–")};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(c == 0 ? QDir::toNativeSeparators(b.path) : cells[c]);
            if (c == 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!b.readable()) item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
            list_->setItem(r, c, item);
        }
    }
    const QString folder = QDir::toNativeSeparators(choices_.folder);
    const QString serial = QString::asprintf("%.8d", int(choices_.serialNumber));
    summaryLbl_->setText(
        n == 0 ? tr("No backups of transmitter %1 were found in %2.")
                     .arg(serial, folder.isEmpty() ? tr("(no backup folder)") : folder)
               : tr("Backups of transmitter %1 in %2:").arg(serial, folder));
    if (const int proposed = choices_.proposed(); proposed >= 0) list_->selectRow(proposed);
    selectionChanged();
}

void TRestoreForm::selectionChanged() {
    restoreBtn_->setEnabled(!chosenPath().isEmpty());
}

QString TRestoreForm::chosenPath() const {
    const QList<QTableWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return {};
    const BackupChoice& b = choices_.backups[size_t(selected.first()->row())];
    return b.readable() ? b.path : QString();
}

QString TRestoreForm::chooseBackup(TransmitterStack& stack, QWidget* window) {
    BackupChoices choices = ListBackupChoices(stack);
    if (!choices.read) return {};
    TRestoreForm form(std::move(choices), window);
    if (form.exec() != QDialog::Accepted) return {};
    return form.chosenPath();
}

}  // namespace lmk17
