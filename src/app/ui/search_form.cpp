#include "app/ui/search_form.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTimer>
#include <QVBoxLayout>

#include "stack/transmitter_stack.h"

namespace lmk17 {

namespace {

enum Column { AddressCol, BaudCol, ParityCol, TypeCol, FirmwareCol, SerialCol, RangeCol };

}  // namespace

TSearchForm::TSearchForm(TransmitterStack& stack, QWidget* parent)
    : QDialog(parent),
      stack_(stack),
      search_(stack),
      list_(new QTableWidget(0, 7, this)),
      progress_(new QProgressBar(this)),
      stateLbl_(new QLabel(this)),
      allCBx_(new QCheckBox(tr("Find every transmitter on the line"), this)),
      searchBtn_(new QPushButton(tr("Search"), this)),
      cancelBtn_(new QPushButton(tr("Cancel Search"), this)),
      useBtn_(new QPushButton(tr("Use"), this)),
      closeBtn_(new QPushButton(tr("Close"), this)) {
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(tr("Search for Transmitters"));
    list_->setObjectName(QStringLiteral("FoundList"));
    list_->setAccessibleName(tr("Transmitters found"));
    list_->setHorizontalHeaderLabels({tr("Address"), tr("Baud Rate"), tr("Parity"), tr("Type"),
                                      tr("Firmware"), tr("Serial Number"), tr("Input Range")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->setWordWrap(false);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setSectionResizeMode(RangeCol, QHeaderView::Stretch);
    progress_->setObjectName(QStringLiteral("SearchPB"));
    progress_->setAccessibleName(tr("Search progress"));
    stateLbl_->setObjectName(QStringLiteral("StateLbl"));
    stateLbl_->setWordWrap(true);
    allCBx_->setObjectName(QStringLiteral("AllCBx"));
    searchBtn_->setObjectName(QStringLiteral("SearchBtn"));
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    useBtn_->setObjectName(QStringLiteral("UseBtn"));
    useBtn_->setToolTip(
        tr(" Talk to the transmitter picked: its address, baud rate and parity "
           "become the program's communication parameters "));
    closeBtn_->setObjectName(QStringLiteral("CloseBtn"));

    auto* top = new QHBoxLayout;
    top->addWidget(allCBx_, 1);
    top->addWidget(searchBtn_);
    top->addWidget(cancelBtn_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(useBtn_);
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(progress_);
    layout->addWidget(stateLbl_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    setMinimumSize(layout->minimumSize().expandedTo(QSize(560, 280)));
    resize(800, 340);

    connect(searchBtn_, &QPushButton::clicked, this, &TSearchForm::SearchBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &TSearchForm::CancelBtnClick);
    connect(useBtn_, &QPushButton::clicked, this, &TSearchForm::UseBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &TSearchForm::reject);
    connect(list_, &QTableWidget::itemSelectionChanged, this, &TSearchForm::showUsable);
    connect(&search_, &TransmitterSearch::usabilityChanged, this, &TSearchForm::showUsable);
    connect(list_, &QTableWidget::cellDoubleClicked, this, &TSearchForm::UseBtnClick);
    connect(&search_, &TransmitterSearch::progressed, this, [this](int done, int total) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    });
    connect(&search_, &TransmitterSearch::transmitterFound, this, &TSearchForm::addRow);
    connect(&search_, &TransmitterSearch::finished, this, &TSearchForm::searchFinished);
    showRunning(false);
}

int TSearchForm::exec() {
    QTimer::singleShot(0, this, &TSearchForm::SearchBtnClick);
    return QDialog::exec();
}

void TSearchForm::SearchBtnClick() {
    startSearch(TransmitterSearch::DefaultPlan(stack_, allCBx_->isChecked()));
}

bool TSearchForm::startSearch(const LineScan::Plan& plan) {
    list_->setRowCount(0);
    if (!search_.start(plan)) {
        stateLbl_->setText(
            tr("The search cannot start: connect a serial port first, and wait "
               "until the operation under way has ended."));
        return false;
    }
    progress_->setRange(0, search_.probes());
    progress_->setValue(0);
    stateLbl_->setText(tr("Searching…"));
    showRunning(true);
    return true;
}

void TSearchForm::CancelBtnClick() {
    search_.cancel();
}

void TSearchForm::reject() {
    // Closing ends the search first: the port gets its own settings back.
    search_.cancel();
    QDialog::reject();
}

void TSearchForm::addRow(const FoundTransmitter& t) {
    const int row = list_->rowCount();
    list_->insertRow(row);
    const QString unknown = tr("(not identified)");
    const QString cells[] = {
        QString::number(t.hit.address),
        QString::number(t.hit.setting.baud),
        QCoreApplication::translate("LinkParity", qPrintable(ParityName(t.hit.setting.parity))),
        t.identified ? t.identity.typeText : unknown,
        t.firmwareText(),
        QStringLiteral("%1").arg(t.identified ? t.identity.serialNumber : t.hit.serial, 8, 10,
                                 QLatin1Char('0')),
        t.rangeText()};
    for (int c = 0; c < 7; ++c) list_->setItem(row, c, new QTableWidgetItem(cells[c]));
    if (row == 0) list_->selectRow(0);
}

void TSearchForm::searchFinished() {
    // Transmitters that answered before a cancel are listed without names.
    for (size_t i = size_t(list_->rowCount()); i < search_.found().size(); ++i)
        addRow(search_.found()[i]);
    showRunning(false);
    const int count = list_->rowCount();
    if (search_.cancelled())
        stateLbl_->setText(tr("Search cancelled."));
    else if (count == 0)
        stateLbl_->setText(tr("No transmitter answered."));
    else
        stateLbl_->setText(tr("Transmitters found: %1. Pick one and press Use.").arg(count));
    progress_->setValue(progress_->maximum());
}

void TSearchForm::showRunning(bool running) {
    searchBtn_->setEnabled(!running);
    allCBx_->setEnabled(!running);
    cancelBtn_->setEnabled(running);
    showUsable();
}

void TSearchForm::showUsable() {
    useBtn_->setEnabled(search_.canUse(list_->currentRow()));
}

void TSearchForm::UseBtnClick() {
    if (search_.use(list_->currentRow())) accept();
}

}  // namespace lmk17
