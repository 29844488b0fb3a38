#include "app/ui/compare_form.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/config_comparison.h"
#include "common/day_number.h"
#include "config/config_model.h"
#include "reports/comparison_report.h"
#include "reports/ui/print_controller.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

TCompareForm::TCompareForm(ConfigurationComparison comparison, const QString& otherName,
                           PrintController& printer, QWidget* parent)
    : QDialog(parent),
      comparison_(std::move(comparison)),
      leftName_(tr("This Configuration")),
      rightName_(otherName),
      printer_(printer),
      list_(new QTableWidget(0, 3, this)),
      allCBx_(new QCheckBox(tr("Show all fields"), this)),
      summaryLbl_(new QLabel(this)),
      printBtn_(new QPushButton(tr("Print…"), this)),
      pdfBtn_(new QPushButton(tr("Export as PDF…"), this)),
      closeBtn_(new QPushButton(tr("Close"), this)) {
    setObjectName(QStringLiteral("CompareForm"));
    setWindowTitle(tr("Compare Configurations"));
    list_->setObjectName(QStringLiteral("FieldList"));
    list_->setAccessibleName(tr("Fields compared"));
    list_->setHorizontalHeaderLabels({tr("Field"), leftName_, rightName_});
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->verticalHeader()->hide();
    // The field names as wide as they need, the two sides alike.
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    list_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    list_->setWordWrap(false);
    allCBx_->setObjectName(QStringLiteral("AllCBx"));
    summaryLbl_->setObjectName(QStringLiteral("SummaryLbl"));
    summaryLbl_->setWordWrap(true);
    printBtn_->setObjectName(QStringLiteral("PrintBtn"));
    pdfBtn_->setObjectName(QStringLiteral("PdfBtn"));
    closeBtn_->setObjectName(QStringLiteral("CloseBtn"));
    closeBtn_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printBtn_);
    buttons->addWidget(pdfBtn_);
    buttons->addStretch(1);
    buttons->addWidget(closeBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(allCBx_);
    layout->addWidget(list_, 1);
    layout->addWidget(summaryLbl_);
    layout->addLayout(buttons);
    setMinimumSize(layout->minimumSize().expandedTo(QSize(520, 300)));
    resize(720, 480);

    connect(allCBx_, &QCheckBox::toggled, this, &TCompareForm::fillList);
    connect(printBtn_, &QPushButton::clicked, this, &TCompareForm::PrintBtnClick);
    connect(pdfBtn_, &QPushButton::clicked, this, &TCompareForm::PdfBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::accept);
    fillList();
}

void TCompareForm::fillList() {
    const bool all = allCBx_->isChecked();
    const std::vector<const FieldComparison*> rows = ComparisonRows(comparison_, all);
    list_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const FieldComparison& f = *rows[size_t(r)];
        const QString cells[3] = {f.name, f.left, f.right};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);  // for a text cut at the column's edge
            if (all && f.differs()) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            list_->setItem(r, c, item);
        }
    }
    summaryLbl_->setText(ComparisonSummary(comparison_));
}

void TCompareForm::PrintBtnClick() {
    const bool all = allCBx_->isChecked();
    const double today = CurrentDayNumber();
    printer_.printReport([&](const QPaintDevice& device) {
        return LayoutComparison(device, comparison_, leftName_, rightName_, all, today);
    });
}

void TCompareForm::PdfBtnClick() {
    const bool all = allCBx_->isChecked();
    const double today = CurrentDayNumber();
    printer_.exportReportPdf(QStringLiteral("comparison.pdf"), tr("Configuration Comparison"),
                             [&](const QPaintDevice& device) {
                                 return LayoutComparison(device, comparison_, leftName_, rightName_,
                                                         all, today);
                             });
}

void TCompareForm::compareWithTransmitter(TransmitterStack& stack, PrintController& printer,
                                          QWidget* window) {
    const ComparisonSide device = ReadForComparison(stack);
    if (!device.ok) return;
    TCompareForm form(CompareWithWindow(stack.model(), device), tr("Transmitter"), printer, window);
    form.exec();
}

void TCompareForm::compareWithFile(TransmitterStack& stack, PrintController& printer,
                                   QWidget* window, const std::function<QString()>& askFileName) {
    stack.whenIdle([&] {
        const QString file = askFileName();
        if (file.isEmpty()) return;
        const ComparisonSide other = LoadForComparison(file, stack.ui());
        if (!other.ok) return;
        TCompareForm form(CompareWithWindow(stack.model(), other), QFileInfo(file).fileName(),
                          printer, window);
        form.exec();
    });
}

}  // namespace lmk17
