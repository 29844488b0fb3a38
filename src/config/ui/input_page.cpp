#include "config/ui/input_page.h"
#include "common/ui/accessible_name.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "config/ui/config_edit.h"
#include "config/ui/page_support.h"

namespace lmk17 {

namespace {

using Control = ConfigControls::ComparatorControl;

void setItems(QComboBox* box, const QStringList& items, int position) {
    const QSignalBlocker block(box);
    if (box->count() != items.size() || [&] {
            for (int i = 0; i < items.size(); ++i)
                if (box->itemText(i) != items[i]) return true;
            return false;
        }()) {
        box->clear();
        box->addItems(items);
        // A list that fits its entries keeps them whole: the page scrolls.
        if (box->sizeAdjustPolicy() == QComboBox::AdjustToContents)
            box->setMinimumWidth(box->sizeHint().width());
    }
    box->setCurrentIndex(position);
}

// A field row: the label names its input for a screen reader (after the
// group's name where groups repeat the label).
void addLabelled(QGridLayout* grid, int row, QLabel* label, QWidget* input,
                 const QString& group = {}) {
    NameAfterLabel(input, label, group);
    grid->addWidget(label, row, 0);
    grid->addWidget(input, row, 1);
}

void setChecked(QAbstractButton* button, bool checked) {
    const QSignalBlocker block(button);
    button->setChecked(checked);
}

}  // namespace

TInputPage::TInputPage(ConfigControls& controls, QWidget* parent)
    : QWidget(parent), controls_(controls), edits_(*this, ConfigPage::Input, controls) {
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(createRangeGroup());
    left->addWidget(createValuesGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(createComparatorGroup());
    right->addWidget(createOptionsGroup());
    right->addStretch();
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);

    connect(&controls_, &ConfigControls::controlsChanged, this, &TInputPage::showControls);
    connect(&controls_, &ConfigControls::typeSetupChanged, this, &TInputPage::showTypeSetup);
    showTypeSetup();
    showControls();
}

TConfigEdit* TInputPage::edit(EditField field) const {
    return edits_.edit(field);
}

TConfigEdit* TInputPage::addEdit(EditField field) {
    return edits_.add(field, this);
}

QLabel* TInputPage::addUnit(QWidget* parent) {
    auto* unit = new QLabel(parent);
    unit->setMinimumWidth(40);
    unitLabels_.push_back(unit);
    return unit;
}

QWidget* TInputPage::createRangeGroup() {
    auto* group = new QGroupBox(tr("Input Range and Connection"), this);
    auto* grid = new QGridLayout(group);
    ZaklRozsahCB = new QComboBox(group);
    ZaklRozsahCB->setObjectName(QStringLiteral("ZaklRozsahCB"));
    // The lists are as wide as their longest entry (the page scrolls).
    ZaklRozsahCB->setMinimumContentsLength(40);
    ZaklRozsahCB->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    PripojeniCB = new QComboBox(group);
    PripojeniCB->setObjectName(QStringLiteral("PripojeniCB"));
    PripojeniCB->setMinimumContentsLength(40);
    PripojeniCB->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FRUsrLinCBx = new QCheckBox(tr("Customer"), group);
    LinearBtn = new QPushButton(tr("Linearization"), group);
    LinearBtn->setObjectName(QStringLiteral("LinearBtn"));
    LinearBtn->setToolTip(tr(" Linearization and Cold Junction Compensation Setup "));
    QLabel* rangeLbl = FieldLabel(tr("Input Range:"), group);
    NameAfterLabel(ZaklRozsahCB, rangeLbl);
    grid->addWidget(rangeLbl, 0, 0);
    grid->addWidget(ZaklRozsahCB, 0, 1, 1, 3);
    QLabel* connectionLbl = FieldLabel(tr("Connection:"), group);
    NameAfterLabel(PripojeniCB, connectionLbl);
    grid->addWidget(connectionLbl, 1, 0);
    grid->addWidget(PripojeniCB, 1, 1, 1, 3);
    grid->addWidget(FRUsrLinCBx, 2, 1);
    grid->addWidget(LinearBtn, 2, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);

    connect(ZaklRozsahCB, &QComboBox::activated, &controls_,
            &ConfigControls::selectRangePosition);  // ZaklRozsahCBChange
    connect(PripojeniCB, &QComboBox::activated, &controls_,
            &ConfigControls::selectConnectionPosition);  // PripojeniCBChange
    connect(FRUsrLinCBx, &QCheckBox::clicked, &controls_,
            &ConfigControls::setCustomerLinearization);  // FRUsrLinCBxMouseUp
    connect(LinearBtn, &QPushButton::clicked, this,
            &TInputPage::linearizationRequested);  // LinearBtnClick
    return group;
}

QWidget* TInputPage::createValuesGroup() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);

    auto* range = new QGroupBox(tr("Measuring Range"), box);
    auto* grid = new QGridLayout(range);
    const std::pair<EditField, QString> rows[] = {
        {EditField::LOEdt, tr("Lower Range Value:")},
        {EditField::HIEdt, tr("Upper Range Value:")},
        {EditField::LOEEdt, tr("Correction at Lower Range Value:")},
        {EditField::HIEEdt, tr("Correction at Upper Range Value:")},
    };
    int row = 0;
    for (const auto& [field, caption] : rows) {
        // The caption names the edit for a screen reader too.
        QLabel* label = FieldLabel(caption, range);
        TConfigEdit* e = addEdit(field);
        label->setBuddy(e);
        grid->addWidget(label, row, 0);
        grid->addWidget(e, row, 1);
        grid->addWidget(addUnit(range), row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    column->addWidget(range);

    auto* sensor = new QHBoxLayout;
    RCGB = new QGroupBox(tr("Lead Resistance"), box);
    auto* rc = new QGridLayout(RCGB);
    addLabelled(rc, 0, FieldLabel(tr("Resistance:"), RCGB), addEdit(EditField::RCEdt));
    rc->addWidget(new QLabel(tr("ohm"), RCGB), 0, 2);
    RC8GB = new QGroupBox(tr("Lead Resistance"), box);
    auto* rc8 = new QGridLayout(RC8GB);
    addLabelled(rc8, 0, FieldLabel(tr("Sensor 1:"), RC8GB), addEdit(EditField::RC8_1Edt),
                RC8GB->title());
    rc8->addWidget(new QLabel(tr("ohm"), RC8GB), 0, 2);
    addLabelled(rc8, 1, FieldLabel(tr("Sensor 2:"), RC8GB), addEdit(EditField::RC8_2Edt),
                RC8GB->title());
    rc8->addWidget(new QLabel(tr("ohm"), RC8GB), 1, 2);
    KompenzGB = new QGroupBox(tr("Cold Junction Compensation"), box);
    auto* cj = new QGridLayout(KompenzGB);
    addLabelled(cj, 0, FieldLabel(tr("CJ Temperature:"), KompenzGB),
                addEdit(EditField::TemperCJEdt));
    cj->addWidget(new QLabel(tr("°C"), KompenzGB), 0, 2);
    sensor->addWidget(RCGB);
    sensor->addWidget(RC8GB);
    sensor->addWidget(KompenzGB);
    sensor->addStretch();
    column->addLayout(sensor);

    auto* damping = new QGroupBox(tr("Damping and Error Current"), box);
    auto* dg = new QGridLayout(damping);
    addLabelled(dg, 0, FieldLabel(tr("Damping:"), damping), addEdit(EditField::DampEdt));
    dg->addWidget(new QLabel(tr("s"), damping), 0, 2);
    IErrLowRBtn = new QRadioButton(tr("Low Output"), damping);
    IErrHighRBtn = new QRadioButton(tr("High Output"), damping);
    dg->addWidget(FieldLabel(tr("Error Current:"), damping), 1, 0);
    dg->addWidget(IErrLowRBtn, 1, 1);
    dg->addWidget(IErrHighRBtn, 1, 2, 1, 2);
    dg->setColumnStretch(3, 1);
    column->addWidget(damping);
    connect(IErrLowRBtn, &QRadioButton::clicked, this,
            [this] { controls_.setErrorOutput(true); });  // IErrLowRBtnClick
    connect(IErrHighRBtn, &QRadioButton::clicked, this,
            [this] { controls_.setErrorOutput(false); });  // IErrHighRBtnClick
    return box;
}

QWidget* TInputPage::createComparatorGroup() {
    auto* group = new QGroupBox(tr("Limit Comparators"), this);
    group->setObjectName(QStringLiteral("LimitComparatorsGB"));
    comparatorGroup_ = group;
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (int i = 0; i < 2; ++i) {
        const int n = i + 1;
        MCEnbCBx[i] = new QCheckBox(tr("Limit Comparator %1").arg(n), group);
        grid->addWidget(MCEnbCBx[i], row++, 0, 1, 3);
        const QString comparator = MCEnbCBx[i]->text();
        addLabelled(grid, row, FieldLabel(tr("Switching Level:"), group),
                    addEdit(n == 1 ? EditField::SL1Edt : EditField::SL2Edt), comparator);
        grid->addWidget(addUnit(group), row++, 2);
        addLabelled(grid, row, FieldLabel(tr("Hysteresis:"), group),
                    addEdit(n == 1 ? EditField::HS1Edt : EditField::HS2Edt), comparator);
        grid->addWidget(addUnit(group), row++, 2);
        MCsmyslCB[i] = new QComboBox(group);
        MCsmyslCB[i]->addItems({tr(" Normal"), tr(" Reverse")});
        MCsmyslCB[i]->setToolTip(n == 1 ? tr(" Limit comparator 1 switching polarity. ")
                                        : tr(" Limit comparator 2 switching polarity. "));
        QLabel* modeLbl = FieldLabel(tr("Switching Mode:"), group);
        NameAfterLabel(MCsmyslCB[i], modeLbl, comparator);
        grid->addWidget(modeLbl, row, 0);
        grid->addWidget(MCsmyslCB[i], row++, 1, 1, 2);
        MCErrEnbCBx[i] = new QCheckBox(tr("Indicate by Error Current"), group);
        grid->addWidget(MCErrEnbCBx[i], row++, 1, 1, 2);
        MCErrStateLbl[i] = FieldLabel(tr("State on Error:"), group);
        MCErrStateCB[i] = new QComboBox(group);
        MCErrStateCB[i]->addItems({tr(" Switch Off"), tr(" Switch On")});
        NameAfterLabel(MCErrStateCB[i], MCErrStateLbl[i], comparator);
        grid->addWidget(MCErrStateLbl[i], row, 0);
        grid->addWidget(MCErrStateCB[i], row++, 1, 1, 2);

        connect(MCEnbCBx[i], &QCheckBox::clicked, this, [this, n](bool on) {
            controls_.setComparatorControl(Control::Enable, n, on);  // MCnEnbCBxMouseUp
        });
        connect(MCErrEnbCBx[i], &QCheckBox::clicked, this, [this, n](bool on) {
            controls_.setComparatorControl(Control::ErrorCurrent, n, on);  // MCnErrEnbCBxMouseUp
        });
        connect(MCErrStateCB[i], &QComboBox::activated, this, [this, n](int position) {
            controls_.setComparatorControl(Control::ErrorState, n,
                                           position == 1);  // MCnErrStateCBChange
        });
        connect(MCsmyslCB[i], &QComboBox::activated, this, [this, n](int position) {
            controls_.setPolarity(n, position == 1);  // MCnsmyslCBChange
        });
    }
    grid->addWidget(FieldLabel(tr("Transmitter Error:"), group), row, 0);
    for (int i = 0; i < 2; ++i) {
        Ierr2ReleCBx[i] = new QCheckBox(i == 0 ? tr("By Relay 1 On") : tr("By Relay 2 On"), group);
        grid->addWidget(Ierr2ReleCBx[i], row++, 1, 1, 2);
        connect(Ierr2ReleCBx[i], &QCheckBox::clicked, this, [this, i](bool on) {
            controls_.setComparatorControl(Control::Relay, i + 1, on);  // Ierr2ReleNCBxMouseUp
        });
    }
    return group;
}

QWidget* TInputPage::createOptionsGroup() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    InpFilterGB = new QGroupBox(tr("Input Filter"), box);
    auto* filter = new QHBoxLayout(InpFilterGB);
    InpFilter50RBtn = new QRadioButton(tr(" 50 Hz"), InpFilterGB);
    InpFilter60RBtn = new QRadioButton(tr(" 60 Hz"), InpFilterGB);
    filter->addWidget(InpFilter50RBtn);
    filter->addWidget(InpFilter60RBtn);
    filter->addStretch();
    column->addWidget(InpFilterGB);

    EdtDisableCBx = new QCheckBox(
        tr("Disallow Change of the Transmitter Configuration by the Set-up Unit"), box);
    column->addWidget(EdtDisableCBx);
    auto* note = new QHBoxLayout;
    UsrLabelEdt = new QLineEdit(box);
    UsrLabelEdt->setObjectName(QStringLiteral("UsrLabelEdt"));
    UsrLabelEdt->setMaxLength(32);
    auto* noteLbl = new QLabel(tr("User Note:"), box);
    noteLbl->setBuddy(UsrLabelEdt);
    note->addWidget(noteLbl);
    note->addWidget(UsrLabelEdt);
    column->addLayout(note);

    connect(InpFilter50RBtn, &QRadioButton::clicked, this,
            [this] { controls_.setInputFilter(false); });  // InpFilter50RBtnClick
    connect(InpFilter60RBtn, &QRadioButton::clicked, this,
            [this] { controls_.setInputFilter(true); });  // InpFilter60RBtnClick
    connect(EdtDisableCBx, &QCheckBox::clicked, &controls_,
            &ConfigControls::setEditDisable);  // EdtDisableCBxClick
    connect(UsrLabelEdt, &QLineEdit::editingFinished, this, [this] {
        controls_.leaveUserNote(UsrLabelEdt->text(), noteEntry_);  // UsrLabelEdtExit
        noteEntry_ = UsrLabelEdt->text();
    });
    return box;
}

void TInputPage::showTypeSetup() {
    const TypeSetup& setup = controls_.setup();
    const ComparatorOffer& offer = setup.comparators;
    comparatorGroup_->setVisible(offer.enable[0] || offer.relay[0] || offer.relay[1]);
    InpFilterGB->setEnabled(setup.inputFilter);
    showControls();
}

void TInputPage::showControls() {
    const ConfigView& v = controls_.view();
    setItems(ZaklRozsahCB, v.rangeList.items, v.rangePosition);
    setItems(PripojeniCB, v.connectionList.items, v.connectionPosition);
    FRUsrLinCBx->setVisible(v.customerVisible);
    setChecked(FRUsrLinCBx, v.customerChecked);
    LinearBtn->setEnabled(v.linearEnabled);
    for (QLabel* unit : unitLabels_) unit->setText(v.unitSymbol);
    RCGB->setVisible(v.leadGroupVisible);
    RC8GB->setVisible(v.twoLeadGroupVisible);
    KompenzGB->setVisible(v.cjGroupVisible);

    edits_.show(v);
    setChecked(IErrHighRBtn, v.errorHighChecked);
    setChecked(IErrLowRBtn, !v.errorHighChecked);

    const ComparatorView& cv = v.comparators;
    for (int i = 0; i < 2; ++i) {
        MCEnbCBx[i]->setVisible(cv.offer.enable[i]);
        MCEnbCBx[i]->setEnabled(cv.enableEnabled[i]);
        setChecked(MCEnbCBx[i], cv.enableChecked[i]);
        const bool on = cv.controlsEnabled[i] && !v.blank;
        for (QWidget* w :
             {static_cast<QWidget*>(edit(i == 0 ? EditField::SL1Edt : EditField::SL2Edt)),
              static_cast<QWidget*>(edit(i == 0 ? EditField::HS1Edt : EditField::HS2Edt)),
              static_cast<QWidget*>(MCsmyslCB[i])})
            w->setEnabled(on);
        MCErrEnbCBx[i]->setVisible(cv.offer.errorCurrent[i]);
        MCErrEnbCBx[i]->setEnabled(on);
        setChecked(MCErrEnbCBx[i], cv.errorCurrentChecked[i]);
        MCErrStateLbl[i]->setVisible(cv.offer.errorState[i]);
        MCErrStateCB[i]->setVisible(cv.offer.errorState[i]);
        MCErrStateCB[i]->setEnabled(on);
        setItems(MCErrStateCB[i], {tr(" Switch Off"), tr(" Switch On")},
                 cv.switchOnAtError[i] ? 1 : 0);
        setItems(MCsmyslCB[i], {tr(" Normal"), tr(" Reverse")}, cv.reverse[i] ? 1 : 0);
        Ierr2ReleCBx[i]->setVisible(cv.offer.relay[i]);
        Ierr2ReleCBx[i]->setEnabled(cv.relayEnabled[i]);
        setChecked(Ierr2ReleCBx[i], cv.relayChecked[i]);
    }

    setChecked(InpFilter60RBtn, v.filter60Checked);
    setChecked(InpFilter50RBtn, !v.filter60Checked);
    setChecked(EdtDisableCBx, v.editDisableChecked);
    if (UsrLabelEdt->text() != v.userNote) UsrLabelEdt->setText(v.userNote);
    noteEntry_ = v.userNote;
    setEnabled(!v.blank);
}

}  // namespace lmk17
