#include "config/ui/output_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/ui/config_edit.h"
#include "config/ui/out_range_picture.h"
#include "config/ui/page_support.h"

namespace lmk17 {

TOutputPage::TOutputPage(ConfigControls& controls, QWidget* parent)
    : QWidget(parent), controls_(controls), edits_(*this, ConfigPage::Output, controls) {
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;

    auto* range = new QGroupBox(tr("Output Range"), this);
    auto* rg = new QGridLayout(range);
    OutRangeLbl = new QLabel(range);
    OutRangeLbl->setObjectName(QStringLiteral("OutRangeLbl"));
    QFont bold = OutRangeLbl->font();
    bold.setBold(true);
    OutRangeLbl->setFont(bold);
    rg->addWidget(FieldLabel(tr("Output Type:"), range), 0, 0);
    rg->addWidget(OutRangeLbl, 0, 1, 1, 2);

    auto* limits = new QGroupBox(tr("Output Limits and Error Outputs"), this);
    auto* lg = new QGridLayout(limits);

    struct Row {
        EditField field;
        QString caption;
        QGroupBox* group;
        QGridLayout* grid;
        int row;
    };
    const Row rows[] = {
        {EditField::ROLEdt, tr("Lower Output Range:"), range, rg, 1},
        {EditField::ROHEdt, tr("Upper Output Range:"), range, rg, 2},
        {EditField::NPSatLoEdt, tr("Lower Output Limit:"), limits, lg, 0},
        {EditField::NPSatHiEdt, tr("Upper Output Limit:"), limits, lg, 1},
        {EditField::NPErrLoEdt, tr("Lower Error Output:"), limits, lg, 2},
        {EditField::NPErrHiEdt, tr("Upper Error Output:"), limits, lg, 3},
    };
    for (const Row& r : rows) {
        TConfigEdit* e = edits_.add(r.field, r.group);
        QLabel* caption = FieldLabel(r.caption, r.group);
        caption->setBuddy(e);  // names the edit for a screen reader
        captions_[r.field] = caption;
        auto* unit = new QLabel(r.group);
        unitLabels_.push_back(unit);
        r.grid->addWidget(caption, r.row, 0);
        r.grid->addWidget(e, r.row, 1);
        r.grid->addWidget(unit, r.row, 2);
    }
    rg->setColumnStretch(3, 1);
    NPDefaultBtn = new QPushButton(tr("Default Parameters"), limits);
    lg->addWidget(NPDefaultBtn, 4, 1, 1, 2);
    lg->setColumnStretch(3, 1);
    connect(NPDefaultBtn, &QPushButton::clicked, &controls_,
            &ConfigControls::setDefaultOutputParameters);  // NPDefaultBtnClick

    left->addWidget(range);
    left->addWidget(limits);
    left->addStretch();
    OutRangePicture = new TOutRangePicture(this);
    columns->addLayout(left, 1);
    columns->addWidget(OutRangePicture, 1);

    connect(&controls_, &ConfigControls::controlsChanged, this, &TOutputPage::showControls);
    connect(&controls_, &ConfigControls::typeSetupChanged, this, &TOutputPage::showTypeSetup);
    showTypeSetup();
}

TConfigEdit* TOutputPage::edit(EditField field) const {
    return edits_.edit(field);
}

void TOutputPage::showTypeSetup() {
    const TypeSetup& setup = controls_.setup();
    for (auto& [field, e] : edits_.all()) {
        const bool range = field == EditField::ROLEdt || field == EditField::ROHEdt;
        const bool on = range ? setup.outputRange : setup.outputLimits;
        e->setEnabled(on);
        captions_[field]->setEnabled(on);
    }
    NPDefaultBtn->setEnabled(setup.outputLimits);
    showControls();
}

void TOutputPage::showControls() {
    const ConfigView& v = controls_.view();
    OutRangeLbl->setText(v.output.rangeName);
    for (QLabel* unit : unitLabels_) unit->setText(v.output.unit);
    edits_.show(v);
    OutRangePicture->SelectedOutRangeDraw(v.output.outputTypeCode, v.output.rangeStart,
                                          v.output.rangeEnd, controls_.model().physicalLimits());
    setEnabled(!v.blank);
}

}  // namespace lmk17
