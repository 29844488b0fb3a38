#include "config/ui/output_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "config/ui/config_edit.h"
#include "config/ui/out_range_picture.h"
#include "config/ui/page_support.h"

namespace lmk17 {

TOutputPage::TOutputPage(ConfigControls& controls, QWidget* parent)
    : QWidget(parent), controls_(controls) {
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
        const char* name;
        QString caption;
        QGroupBox* group;
        QGridLayout* grid;
        int row;
    };
    const Row rows[] = {
        {EditField::ROLEdt, "ROLEdt", tr("Lower Output Range:"), range, rg, 1},
        {EditField::ROHEdt, "ROHEdt", tr("Upper Output Range:"), range, rg, 2},
        {EditField::NPSatLoEdt, "NPSatLoEdt", tr("Lower Output Limit:"), limits, lg, 0},
        {EditField::NPSatHiEdt, "NPSatHiEdt", tr("Upper Output Limit:"), limits, lg, 1},
        {EditField::NPErrLoEdt, "NPErrLoEdt", tr("Lower Error Output:"), limits, lg, 2},
        {EditField::NPErrHiEdt, "NPErrHiEdt", tr("Upper Error Output:"), limits, lg, 3},
    };
    for (const Row& r : rows) {
        auto* e = new TConfigEdit(r.field, controls_, r.group);
        e->setObjectName(QString::fromLatin1(r.name));
        e->setMaximumWidth(110);
        edits_[r.field] = e;
        QLabel* caption = FieldLabel(r.caption, r.group);
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
    connect(&controls_, &ConfigControls::refused, this, &TOutputPage::onRefused);
    showTypeSetup();
}

TConfigEdit* TOutputPage::edit(EditField field) const {
    auto it = edits_.find(field);
    return it == edits_.end() ? nullptr : it->second;
}

void TOutputPage::showTypeSetup() {
    const TypeSetup& setup = controls_.setup();
    for (auto& [field, e] : edits_) {
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
    ConfigView shown = v;
    OutRangeLbl->setText(v.output.rangeName);
    for (QLabel* unit : unitLabels_) unit->setText(v.output.unit);
    for (auto& [field, e] : edits_) e->showText(EditText(shown, field));
    OutRangePicture->SelectedOutRangeDraw(v.output.outputTypeCode, v.output.rangeStart,
                                          v.output.rangeEnd, controls_.model().physicalLimits());
    setEnabled(!v.blank);
}

void TOutputPage::onRefused(ConfigPage page, EditField field) {
    if (page != ConfigPage::Output) return;
    // Once the focus change or page change that ran the check is over: the
    // page comes forward and the edit takes the focus back.
    QTimer::singleShot(0, this, [this, field] {
        BringPageForward(this);
        TConfigEdit* e = edit(field);
        if (e && e->isVisible() && e->isEnabled()) e->setFocus(Qt::OtherFocusReason);
    });
}

}  // namespace lmk17
