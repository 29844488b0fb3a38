#include "operations/ui/tools_page.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "common/ui/palette_colors.h"
#include "config/catalogue.h"
#include "config/config_model.h"
#include "link/transaction_engine.h"
#include "operations/enable_commands.h"
#include "operations/live_readings.h"
#include "operations/live_texts.h"
#include "operations/operation_texts.h"
#include "operations/pv_reading_values.h"
#include "operations/transmitter_session.h"

namespace lmk17 {

namespace {

constexpr int kUnitLabelRoom = 6;  // characters a unit label shows without scrolling

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

}  // namespace

TToolsPage::TToolsPage(ConfigModel& model, LiveReadings& live, const CommandStates& states,
                       QWidget* parent)
    : QWidget(parent), live_(live), states_(states) {
    setObjectName(QStringLiteral("ToolsPage"));
    auto* pvBox = Named(new QGroupBox(tr("  Primary Variable and Output  "), this), "PVGB");
    buildPvGroup(pvBox);
    buildOutputTestGroup();

    auto* cjBox = Named(new QGroupBox(tr("  Cold Junction Temperature  "), this), "CJGB");
    auto* cj = new QHBoxLayout(cjBox);
    ZjistiTmpCJBtn = Named(new QPushButton(tr("Read from Transmitter"), cjBox), "ZjistiTmpCJBtn");
    HodnTemperCJLbl = Named(new QLabel(tr("°C"), cjBox), "HodnTemperCJLbl");
    HodnTemperCJLbl->setMinimumWidth(140);
    cj->addWidget(ZjistiTmpCJBtn);
    cj->addWidget(HodnTemperCJLbl, 1);

    auto* wtBox = Named(new QGroupBox(tr("  Working Time  "), this), "ProCasGB");
    auto* wt = new QHBoxLayout(wtBox);
    ProCasBtn = Named(new QPushButton(tr("Refresh Working Time"), wtBox), "ProCasBtn");
    ProCas2Lbl = Named(new QLabel(wtBox), "ProCas2Lbl");
    ProCas2Lbl->setMinimumWidth(140);
    wt->addWidget(ProCasBtn);
    wt->addWidget(ProCas2Lbl, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(pvBox, 0, 0);
    grid->addWidget(TstProudGB, 0, 1);
    grid->addWidget(cjBox, 1, 0);
    grid->addWidget(wtBox, 1, 1);
    grid->setRowStretch(2, 1);

    Timer5 = new QTimer(this);
    Timer5->setInterval(400);
    connect(Timer5, &QTimer::timeout, this, &TToolsPage::Timer5Timer);

    connect(PVReadBtn, &QPushButton::clicked, this, &TToolsPage::PVReadBtnClick);
    connect(ZjistiTmpCJBtn, &QPushButton::clicked, this, &TToolsPage::ZjistiTmpCJBtnClick);
    connect(ProCasBtn, &QPushButton::clicked, this, &TToolsPage::ProCasBtnClick);
    connect(TPrGoBtn, &QPushButton::clicked, this, &TToolsPage::TPrGoBtnClick);
    connect(ZrusTPrBtn, &QPushButton::clicked, this, &TToolsPage::ZrusTPrBtnClick);
    connect(VstTimerEnCBx, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) live_.setIntervalReading(on);  // VstTimerEnCBxClick
    });
    connect(TPrTimerEnCBx, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_) live_.setAutomaticTesting(on);  // TPrTimerEnCBxClick
    });
    for (int i = 0; i < 3; ++i)
        connect(TPrHodnRBtn[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && !refreshing_) live_.selectTestValue(i);  // TPrHodn1RBtnClick ..
        });
    for (QLineEdit* e : {VstPeriodaEdt, TPrPeriodaEdt, TPrHodnEdt[0], TPrHodnEdt[1], TPrHodnEdt[2]})
        e->installEventFilter(this);
    for (QRadioButton* b : TPrHodnRBtn) b->installEventFilter(this);

    connect(&live_, &LiveReadings::pageChanged, this, &TToolsPage::refresh);
    connect(&model, &ConfigModel::identityChanged, this, &TToolsPage::refresh);
    refresh();
}

void TToolsPage::buildPvGroup(QWidget* box) {
    auto* l = new QGridLayout(box);
    PVReadBtn = Named(new QPushButton(box), "PVReadBtn");
    VstTimerEnCBx = Named(new QCheckBox(tr("Interval Reading, with Time Interval [s] :"), box),
                          "VstTimerEnCBx");
    VstPeriodaEdt = Named(new QLineEdit(box), "VstPeriodaEdt");
    VstPeriodaEdt->setAccessibleName(tr("Interval Reading, Time Interval [s]"));
    VstPeriodaEdt->setFixedWidth(56);
    PVLbl = Named(new QLabel(box), "PVLbl");
    QFont big = PVLbl->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    PVLbl->setFont(big);
    PVLbl->setFrameShape(QFrame::StyledPanel);
    PVLbl->setMinimumWidth(220);
    VProudLbl = Named(new QLabel(box), "VProudLbl");
    VProudLbl->setFrameShape(QFrame::StyledPanel);
    VystProudGg = Named(new QProgressBar(box), "VystProudGg");
    VystProudGg->setRange(0, 100);
    // The percentage at the bar's end, not half on the filled part.
    VystProudGg->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    RezTPrLbl = Named(new QLabel(box), "RezTPrLbl");
    SetReadableTextColor(RezTPrLbl, QColor(192, 0, 0), QStringLiteral("font-weight: bold"));
    SignChybyLbl = Named(new QLabel(box), "SignChybyLbl");
    SignChybyCB = Named(new QComboBox(box), "SignChybyCB");
    SetReadableTextColor(SignChybyCB, QColor(192, 0, 0));

    PVjednLbl[3] = Named(new QLabel(box), "PVjedn4Lbl");
    l->addWidget(PVReadBtn, 0, 0);
    l->addWidget(PVLbl, 0, 1, 1, 3);
    l->addWidget(VstTimerEnCBx, 1, 0, 1, 3);
    l->addWidget(VstPeriodaEdt, 1, 3);
    l->addWidget(new QLabel(tr("Output:"), box), 2, 0);
    l->addWidget(VProudLbl, 2, 1, 1, 3);
    l->addWidget(VystProudGg, 3, 0, 1, 3);
    l->addWidget(PVjednLbl[3], 3, 3);
    l->addWidget(SignChybyLbl, 4, 0, 1, 4);
    l->addWidget(SignChybyCB, 5, 0, 1, 4);
    l->addWidget(RezTPrLbl, 6, 0, 1, 4);
    l->setRowStretch(7, 1);
}

void TToolsPage::buildOutputTestGroup() {
    TstProudGB = Named(new QGroupBox(tr("  &Output Testing  "), this), "TstProudGB");
    auto* l = new QGridLayout(TstProudGB);
    const char* buttons[3] = {"TPrHodn1RBtn", "TPrHodn2RBtn", "TPrHodn3RBtn"};
    const char* edits[3] = {"TPrHodn1Edt", "TPrHodn2Edt", "TPrHodn3Edt"};
    const char* units[3] = {"PVjedn1Lbl", "PVjedn2Lbl", "PVjedn3Lbl"};
    for (int i = 0; i < 3; ++i) {
        const size_t k = size_t(i);
        TPrHodnRBtn[k] =
            Named(new QRadioButton(tr("Output Value %1:").arg(i + 1), TstProudGB), buttons[i]);
        TPrHodnEdt[k] = Named(new QLineEdit(TstProudGB), edits[i]);
        TPrHodnEdt[k]->setAccessibleName(tr("Output Value %1").arg(i + 1));
        TPrHodnEdt[k]->setMaxLength(7);
        TPrHodnEdt[k]->setFixedWidth(80);
        PVjednLbl[k] = Named(new QLabel(TstProudGB), units[i]);
        PVjednLbl[k]->setMinimumWidth(48);
        l->addWidget(TPrHodnRBtn[k], i, 0);
        l->addWidget(TPrHodnEdt[k], i, 1);
        l->addWidget(PVjednLbl[k], i, 2);
    }
    TPrTimerEnCBx = Named(
        new QCheckBox(tr("Output Current Value 1-3 Automatic Setting, with Time Interval [s] :"),
                      TstProudGB),
        "TPrTimerEnCBx");
    TPrPeriodaEdt = Named(new QLineEdit(TstProudGB), "TPrPeriodaEdt");
    TPrPeriodaEdt->setAccessibleName(tr("Automatic Setting, Time Interval [s]"));
    TPrPeriodaEdt->setMaxLength(5);
    TPrPeriodaEdt->setFixedWidth(56);
    TPrGoBtn = Named(new QPushButton(TstProudGB), "TPrGoBtn");
    ZrusTPrBtn = Named(new QPushButton(tr("Exit Testing"), TstProudGB), "ZrusTPrBtn");
    l->addWidget(TPrTimerEnCBx, 3, 0, 1, 3);
    l->addWidget(TPrPeriodaEdt, 4, 1);
    auto* go = new QHBoxLayout;
    go->addWidget(TPrGoBtn);
    go->addWidget(ZrusTPrBtn);
    go->addStretch(1);
    l->addLayout(go, 5, 0, 1, 3);
    l->setRowStretch(6, 1);
}

void TToolsPage::applyCommandStates(const CommandStates& states) {
    states_ = states;
    refresh();
}

void TToolsPage::refresh() {
    const LivePageState& p = live_.page();
    refreshing_ = true;
    PVReadBtn->setText(p.pvReadCaption);
    VstTimerEnCBx->setChecked(p.intervalReading);
    if (!VstPeriodaEdt->hasFocus()) VstPeriodaEdt->setText(p.periodText);
    PVLbl->setText(p.pvText);
    VProudLbl->setText(p.outputText);
    VystProudGg->setValue(std::clamp(p.gauge, 0, 100));
    RezTPrLbl->setText(operation_text::Tr(live_text::kTestModeActive));
    RezTPrLbl->setVisible(p.testModeVisible);
    SignChybyLbl->setText(operation_text::Tr(live_text::kNoDeviceErrors));
    SignChybyLbl->setVisible(!p.errorListVisible);
    if (SignChybyCB->count() != p.errorLines.size() ||
        (SignChybyCB->count() && SignChybyCB->itemText(0) != p.errorLines.front())) {
        SignChybyCB->clear();
        SignChybyCB->addItems(p.errorLines);
        SignChybyCB->setCurrentIndex(p.errorLines.isEmpty() ? -1 : 0);
    }
    SignChybyCB->setVisible(p.errorListVisible);
    HodnTemperCJLbl->setText(p.cjText.isEmpty() ? tr("°C") : p.cjText);
    ProCas2Lbl->setText(p.workingTimeText);
    for (size_t i = 0; i < 3; ++i) {
        TPrHodnRBtn[i]->setChecked(int(i) == p.selectedValue);
        if (!TPrHodnEdt[i]->hasFocus()) TPrHodnEdt[i]->setText(p.valueTexts[i]);
    }
    TPrTimerEnCBx->setChecked(p.automatic);
    if (!TPrPeriodaEdt->hasFocus()) TPrPeriodaEdt->setText(p.testPeriodText);
    TPrGoBtn->setText(p.useCaption);
    refreshing_ = false;
    showUnit();
    applyEnabling();
}

// EnableCommands as this page's controls follow it; PV "Read" and "Use"
// keep their own states while their operation repeats.
void TToolsPage::applyEnabling() {
    const CommandStates& s = states_;
    VstTimerEnCBx->setEnabled(s.generalControls);
    VstPeriodaEdt->setEnabled(s.generalControls);
    PVReadBtn->setEnabled(s.pvRead);
    ZjistiTmpCJBtn->setEnabled(s.configurationCommands);
    ProCasBtn->setEnabled(s.configurationCommands);
    TstProudGB->setEnabled(!s.outputTestGroupGrey);
    for (size_t i = 0; i < 3; ++i) {
        TPrHodnRBtn[i]->setEnabled(s.outputTestControls);
        TPrHodnEdt[i]->setEnabled(s.outputTestControls);
    }
    TPrTimerEnCBx->setEnabled(s.outputTestControls);
    TPrPeriodaEdt->setEnabled(s.outputTestControls);
    TPrGoBtn->setEnabled(s.outputTestUseExit.value_or(s.outputTestUse));
    ZrusTPrBtn->setEnabled(s.outputTestUseExit.value_or(live_.page().exitTestingEnabled));
}

// The unit of the output test values, e.g. "[mA]"; a unit too long for its
// label scrolls through it.
void TToolsPage::showUnit() {
    const OutputTypeEntry* output = OutputTypeOf(live_.session().model().identity().typeIndex);
    const QString unit =
        QStringLiteral("[%1]").arg(output ? UnitSymbol(output->UnitCode) : QStringLiteral("mA"));
    if (unit == unitText_) return;
    unitText_ = unit;
    for (QLabel* l : PVjednLbl) l->setText(unit);
    const bool scroll = unit.size() > kUnitLabelRoom;
    PVjednLbl[0]->setProperty("tag", scroll);
    if (scroll)
        Timer5->start();
    else
        Timer5->stop();
}

// Timer5: the first character moves to the end; the group follows its first label.
void TToolsPage::Timer5Timer() {
    if (!PVjednLbl[0]->property("tag").toBool()) return;
    QString text = PVjednLbl[0]->text();
    if (text.size() > 1) text = text.mid(1) + text.front();
    for (QLabel* l : PVjednLbl) l->setText(text);
}

// The text the page holds for an edit: what was taken, or what stays after
// a refusal.
QString TToolsPage::shownText(const QLineEdit* field) const {
    const LivePageState& p = live_.page();
    if (field == VstPeriodaEdt) return p.periodText;
    if (field == TPrPeriodaEdt) return p.testPeriodText;
    for (size_t i = 0; i < 3; ++i)
        if (field == TPrHodnEdt[i]) return p.valueTexts[i];
    return field->text();
}

void TToolsPage::leaveField(QLineEdit* field) {
    // A refusal's message takes the focus: that must not leave the field twice.
    if (leaving_) return;
    leaving_ = true;
    const QString text = field->text();
    if (field == VstPeriodaEdt) live_.leavePeriodEdit(text);      // VstPeriodaEdtExit
    if (field == TPrPeriodaEdt) live_.leaveTestPeriodEdit(text);  // TPrPeriodaEdtExit
    for (size_t i = 0; i < 3; ++i)
        if (field == TPrHodnEdt[i]) live_.leaveTestValueEdit(int(i), text);  // TPrHodn1EdtExit ..
    field->setText(shownText(field));
    leaving_ = false;
}

bool TToolsPage::eventFilter(QObject* watched, QEvent* event) {
    if (auto* b = qobject_cast<QRadioButton*>(watched)) {
        if (event->type() == QEvent::MouseButtonDblClick && b->isEnabled()) {
            b->setChecked(true);
            live_.useTestValueOnDoubleClick();  // TPrHodn1RBtnDblClick
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        field->setText(field->text().trimmed());
    } else if (event->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        leaveField(field);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            leaveField(field);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// An edit still being typed in counts before a command (a menu item, a
// shortcut) takes its value.
void TToolsPage::takeFocusedField() {
    auto* f = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (f && isAncestorOf(f)) leaveField(f);
}

void TToolsPage::PVReadBtnClick() {
    takeFocusedField();
    live_.readOrStopPv();  // PVReadBtnClick
}

void TToolsPage::ZjistiTmpCJBtnClick() {
    live_.startCjReading();  // ZjistiTmpCJBtnClick
}

void TToolsPage::ProCasBtnClick() {
    live_.startWorkingTimeReading();  // ProCasBtnClick
}

void TToolsPage::TPrGoBtnClick() {
    takeFocusedField();
    live_.useOrStopOutputTest();  // TPrGoBtnClick
}

void TToolsPage::ZrusTPrBtnClick() {
    live_.exitOutputTesting();  // ZrusTPrBtnClick
}

}  // namespace lmk17
