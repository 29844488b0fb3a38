#include "app/ui/batch_write_form.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/app_settings.h"
#include "common/ui/palette_colors.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

TBatchWriteForm::TBatchWriteForm(TransmitterStack& stack, QWidget* parent, AppSettings* settings)
    : QDialog(parent),
      stack_(stack),
      settings_(settings),
      batch_(stack),
      noteLbl_(new QLabel(this)),
      addressesEdt_(new QLineEdit(this)),
      addressesMsgLbl_(new QLabel(this)),
      folderEdt_(new QLineEdit(this)),
      browseBtn_(new QPushButton(tr("Browse…"), this)),
      askEachChk_(
          new QCheckBox(tr("Ask about the changes before each transmitter is written"), this)),
      unitsTbl_(new QTableWidget(0, 3, this)),
      progressLbl_(new QLabel(this)),
      summaryLbl_(new QLabel(this)),
      startBtn_(new QPushButton(tr("Start"), this)),
      cancelBtn_(new QPushButton(tr("Cancel"), this)),
      closeBtn_(new QPushButton(tr("Close"), this)) {
    setObjectName(QStringLiteral("BatchWriteForm"));
    setWindowTitle(tr("Write to Several Transmitters"));
    noteLbl_->setObjectName(QStringLiteral("NoteLbl"));
    noteLbl_->setWordWrap(true);
    noteLbl_->setText(
        tr("The configuration shown in the main window is written into each transmitter of the "
           "list, one after another. Each keeps its own address, baud rate, parity and user "
           "note, and gets its backup and its verification as by Write."));
    addressesEdt_->setObjectName(QStringLiteral("AddressesEdt"));
    addressesEdt_->setAccessibleName(tr("Addresses of the transmitters"));
    addressesEdt_->setPlaceholderText(tr("e.g. 1-8 or 1,3,5-7"));
    addressesMsgLbl_->setObjectName(QStringLiteral("AddressesMsgLbl"));
    addressesMsgLbl_->setWordWrap(true);
    addressesMsgLbl_->setStyleSheet(QStringLiteral("color: #b00000"));
    folderEdt_->setObjectName(QStringLiteral("FolderEdt"));
    folderEdt_->setAccessibleName(tr("Folder for the protocols"));
    folderEdt_->setPlaceholderText(tr("(no protocols)"));
    if (settings_) folderEdt_->setText(ProtocolFolderShown(*settings_));
    browseBtn_->setObjectName(QStringLiteral("BrowseBtn"));
    browseBtn_->setAccessibleName(tr("Choose the folder for the protocols"));
    askEachChk_->setObjectName(QStringLiteral("AskEachChk"));
    askEachChk_->setAccessibleName(askEachChk_->text());
    // With the question switched off in the settings there is nothing to ask.
    askEachChk_->setChecked(batch_.asksBeforeWriting());
    askEachChk_->setEnabled(batch_.asksBeforeWriting());
    unitsTbl_->setObjectName(QStringLiteral("UnitsTbl"));
    unitsTbl_->setAccessibleName(tr("Transmitters written"));
    unitsTbl_->setHorizontalHeaderLabels({tr("Address"), tr("Serial Number"), tr("Result")});
    unitsTbl_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    unitsTbl_->setSelectionBehavior(QAbstractItemView::SelectRows);
    unitsTbl_->verticalHeader()->hide();
    unitsTbl_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    unitsTbl_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    unitsTbl_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    unitsTbl_->setWordWrap(false);
    progressLbl_->setObjectName(QStringLiteral("ProgressLbl"));
    summaryLbl_->setObjectName(QStringLiteral("SummaryLbl"));
    summaryLbl_->setWordWrap(true);
    summaryLbl_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    startBtn_->setObjectName(QStringLiteral("StartBtn"));
    startBtn_->setAccessibleName(tr("Start writing"));
    startBtn_->setDefault(true);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    cancelBtn_->setAccessibleName(tr("Cancel the writing"));
    closeBtn_->setObjectName(QStringLiteral("CloseBtn"));

    auto* folder = new QHBoxLayout;
    folder->addWidget(folderEdt_, 1);
    folder->addWidget(browseBtn_);
    auto* addressesLbl = new QLabel(tr("&Addresses:"), this);
    addressesLbl->setBuddy(addressesEdt_);
    auto* folderLbl = new QLabel(tr("&Protocols to:"), this);
    folderLbl->setBuddy(folderEdt_);
    auto* form = new QFormLayout;
    form->addRow(addressesLbl, addressesEdt_);
    form->addRow(QString(), addressesMsgLbl_);
    form->addRow(folderLbl, folder);
    form->addRow(QString(), askEachChk_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(progressLbl_, 1);
    buttons->addWidget(startBtn_);
    buttons->addWidget(cancelBtn_);
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noteLbl_);
    layout->addLayout(form);
    layout->addWidget(unitsTbl_, 1);
    layout->addWidget(summaryLbl_);
    layout->addLayout(buttons);
    setMinimumSize(layout->minimumSize().expandedTo(QSize(520, 360)));
    resize(660, 460);

    connect(addressesEdt_, &QLineEdit::textChanged, this, &TBatchWriteForm::AddressesEdtChange);
    connect(browseBtn_, &QPushButton::clicked, this, &TBatchWriteForm::BrowseBtnClick);
    connect(startBtn_, &QPushButton::clicked, this, &TBatchWriteForm::StartBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, &batch_, &BatchWriter::cancel);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(&batch_, &BatchWriter::unitStarted, this, &TBatchWriteForm::unitStarted);
    connect(&batch_, &BatchWriter::unitFinished, this, &TBatchWriteForm::unitFinished);
    connect(&batch_, &BatchWriter::finished, this, &TBatchWriteForm::finished);
    connect(&batch_, &BatchWriter::runningChanged, this, &TBatchWriteForm::updateButtons);
    connect(&stack_, &TransmitterStack::commandStatesChanged, this,
            &TBatchWriteForm::updateButtons);
    AddressesEdtChange();
    addressesMsgLbl_->clear();  // nothing typed yet: no reproach
}

void TBatchWriteForm::AddressesEdtChange() {
    QString why;
    addressesOk_ = bool(ParseBatchAddresses(addressesEdt_->text(), &why));
    addressesMsgLbl_->setText(addressesOk_ ? QString() : why);
    updateButtons();
}

void TBatchWriteForm::BrowseBtnClick() {
    QFileDialog dialog(this, tr("Folder for the Protocols"), folderEdt_->text());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    folderEdt_->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

void TBatchWriteForm::StartBtnClick() {
    const std::optional<std::vector<int>> addresses =
        ParseBatchAddresses(addressesEdt_->text(), nullptr);
    unitsTbl_->setRowCount(0);
    summaryLbl_->clear();
    batch_.setAskEachUnit(askEachChk_->isChecked());
    CheckOutcome check;
    QString error;
    const BatchWriter::Start start =
        batch_.start(addresses.value_or(std::vector<int>{}),
                     QDir::fromNativeSeparators(folderEdt_->text().trimmed()), &check, &error);
    if (start == BatchWriter::Start::Started) {
        if (settings_) KeepProtocolFolder(*settings_, folderEdt_->text());
        return;
    }
    summaryLbl_->setText(BatchStartText(start, error));
    if (start == BatchWriter::Start::CheckFailed) emit checkRefused(check);
}

void TBatchWriteForm::unitStarted(int index, int address) {
    progressLbl_->setText(tr("Writing the transmitter at address %1 (%2 of %3)…")
                              .arg(address)
                              .arg(index + 1)
                              .arg(batch_.summary().planned));
}

void TBatchWriteForm::unitFinished(const BatchUnitRow& row) {
    const int r = unitsTbl_->rowCount();
    unitsTbl_->insertRow(r);
    const QString cells[3] = {QString::number(row.address), BatchSerialText(row.serial),
                              BatchRowResultText(row)};
    for (int c = 0; c < 3; ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setToolTip(cells[c]);
        if (c == 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A failed unit in red that reads on the list's ground, dark or light.
        if (!row.ok())
            item->setForeground(
                ReadableOn(QColor(0xb0, 0, 0), unitsTbl_->palette().color(QPalette::Base), 4.5));
        unitsTbl_->setItem(r, c, item);
    }
    unitsTbl_->scrollToItem(unitsTbl_->item(r, 0));
}

void TBatchWriteForm::finished(const BatchSummary& summary) {
    progressLbl_->clear();
    summaryLbl_->setText(BatchSummaryText(summary));
}

void TBatchWriteForm::updateButtons() {
    const bool running = batch_.running();
    startBtn_->setEnabled(!running && addressesOk_ && stack_.commandStates().writeToSeveral);
    cancelBtn_->setEnabled(running);
    closeBtn_->setEnabled(!running);
    addressesEdt_->setEnabled(!running);
    folderEdt_->setEnabled(!running);
    browseBtn_->setEnabled(!running);
    askEachChk_->setEnabled(!running && batch_.asksBeforeWriting());
}

// Esc and the close box while units are written cancel the batch; the
// window closes once it has ended.
void TBatchWriteForm::reject() {
    if (!batch_.running()) {
        QDialog::reject();
        return;
    }
    batch_.cancel();
}

}  // namespace lmk17
