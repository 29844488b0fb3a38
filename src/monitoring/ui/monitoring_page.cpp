#include "monitoring/ui/monitoring_page.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/ui/palette_colors.h"
#include "monitoring/monitoring_engine.h"
#include "monitoring/ui/mon_graph_form.h"
#include "monitoring/ui/mon_par_form.h"

namespace lmk17 {

TMonitoringPage::TMonitoringPage(MonitoringEngine& engine, const CommandStates& states,
                                 UserInteraction& ui, QWidget* parent)
    : QWidget(parent), engine_(engine), log_(engine.log()), ui_(ui), states_(states) {
    setObjectName(QStringLiteral("MonitoringPage"));
    const auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    MonStartBtn = button(tr("Start "), "MonStartBtn");
    MonStopBtn = button(tr("Stop "), "MonStopBtn");
    MonParamBtn = button(tr("Parameters"), "MonParamBtn");
    MonGraphBtn = button(tr("View Graph"), "MonGraphBtn");
    MonClearBtn = button(tr("Clear Log "), "MonClearBtn");
    MonStopBtn->setEnabled(false);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFixedSize(18, 18);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAutoFillBackground(true);
    Shape1->setAccessibleName(tr("Monitoring activity"));

    LogStateLbl = new QLabel(tr("Log not written"), this);
    LogStateLbl->setObjectName(QStringLiteral("LogStateLbl"));
    LogStateLbl->setAccessibleName(tr("Log not written"));
    LogStateLbl->setToolTip(
        tr("The lines of the monitoring log are not reaching the log file; they are counted, "
           "and the log says how many when writing resumes."));
    SetReadableTextColor(LogStateLbl, QColor(192, 0, 0), QStringLiteral("font-weight: bold"));

    MonMemo = new QPlainTextEdit(this);
    MonMemo->setObjectName(QStringLiteral("MonMemo"));
    MonMemo->setReadOnly(true);
    MonMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    MonMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MonMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MonMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const QString& line : log_.windowLines()) MonMemo->appendPlainText(line);

    auto* row = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{MonStartBtn, MonStopBtn, MonParamBtn,
                                                      MonGraphBtn, MonClearBtn})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(LogStateLbl);
    row->addWidget(Shape1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(MonMemo, 1);

    parForm_ = new TMonParForm(ui_, this);
    graphForm_ = new TMonGraphForm(engine_, ui_, this);
    graphForm_->setPointSymbol(parForm_->parameters().pointSymbol);

    connect(MonStartBtn, &QPushButton::clicked, this, &TMonitoringPage::MonStartBtnClick);
    connect(MonStopBtn, &QPushButton::clicked, this, &TMonitoringPage::MonStopBtnClick);
    connect(MonParamBtn, &QPushButton::clicked, this, &TMonitoringPage::MonParamBtnClick);
    connect(MonGraphBtn, &QPushButton::clicked, this, &TMonitoringPage::MonGraphBtnClick);
    connect(MonClearBtn, &QPushButton::clicked, this, &TMonitoringPage::MonClearBtnClick);
    connect(parForm_, &TMonParForm::pointSymbolChanged, graphForm_, &TMonGraphForm::setPointSymbol);

    // PrintMonMemo's window side: the caret to the last line, in view.
    connect(&log_, &MonitorLog::lineAdded, this, [this](const QString& line) {
        MonMemo->appendPlainText(line);
        MonMemo->verticalScrollBar()->setValue(MonMemo->verticalScrollBar()->maximum());
    });
    connect(&log_, &MonitorLog::windowCleared, MonMemo, &QPlainTextEdit::clear);
    // The failure itself is reported by the monitoring engine, once.
    connect(&log_, &MonitorLog::fileWritingChanged, this, &TMonitoringPage::showLogState);
    connect(&engine_, &MonitoringEngine::stopEnabledChanged, MonStopBtn, &QWidget::setEnabled);
    connect(&engine_, &MonitoringEngine::indicatorChanged, this, &TMonitoringPage::showIndicator);
    connect(&engine_, &MonitoringEngine::portLostChanged, this, &TMonitoringPage::showIndicator);
    showCommands();
    showIndicator();
    showLogState(log_.fileWriteFailing());
}

void TMonitoringPage::attachMenu(QAction* start, QAction* stop, QAction* graph,
                                 QAction* parameters) {
    startMnu_ = start;
    stopMnu_ = stop;
    paramMnu_ = parameters;
    // A shortcut fires even while its button is disabled; the button decides.
    const auto through = [this](QAction* a, QPushButton* b, void (TMonitoringPage::*click)()) {
        if (!a) return;
        connect(a, &QAction::triggered, this, [this, b, click] {
            if (b->isEnabled()) (this->*click)();
        });
    };
    through(start, MonStartBtn, &TMonitoringPage::MonStartBtnClick);
    through(stop, MonStopBtn, &TMonitoringPage::MonStopBtnClick);
    through(graph, MonGraphBtn, &TMonitoringPage::MonGraphBtnClick);
    through(parameters, MonParamBtn, &TMonitoringPage::MonParamBtnClick);
    showCommands();
}

void TMonitoringPage::loadParameters(const MonitorParameters& parameters) {
    parForm_->setParameters(parameters);
    graphForm_->setPointSymbol(parameters.pointSymbol);
    engine_.setParameters(parameters);
}

const MonitorParameters& TMonitoringPage::parameters() const {
    return parForm_->parameters();
}

void TMonitoringPage::applyCommandStates(const CommandStates& states) {
    states_ = states;
    showCommands();
}

void TMonitoringPage::showCommands() {
    MonStartBtn->setEnabled(states_.monitoringStart);
    MonStopBtn->setEnabled(engine_.stopEnabled());
    MonParamBtn->setEnabled(states_.monitoringParameters);
    if (startMnu_) startMnu_->setVisible(states_.monitoringStart);
    if (stopMnu_) {
        stopMnu_->setVisible(states_.monitoringStopMenu);
        stopMnu_->setEnabled(states_.monitoringStopMenu);
    }
    if (paramMnu_) paramMnu_->setEnabled(states_.monitoringParameters);
}

void TMonitoringPage::setIndicator(const QColor& color, const QString& tip) {
    indicator_ = color;
    QPalette p = Shape1->palette();
    p.setColor(QPalette::Window, color);
    Shape1->setPalette(p);
    Shape1->setToolTip(tip);
}

void TMonitoringPage::showIndicator() {
    if (engine_.portLost())
        setIndicator(PortLostColor(),
                     tr("The communication port was lost; trying to open it again every 2 s."));
    else if (engine_.indicatorBusy())
        setIndicator(BusyColor(), tr("Reading the transmitter"));
    else
        setIndicator(IdleColor(), tr("Monitoring activity: green while the transmitter is being "
                                     "read, red when the communication port is lost"));
}

void TMonitoringPage::showLogState(bool failing) {
    LogStateLbl->setVisible(failing);
}

void TMonitoringPage::MonStartBtnClick() {
    if (!states_.monitoringStart) return;
    engine_.setParameters(parForm_->parameters());
    emit showRequested();
    engine_.startMonitoring();  // MonStartBtnClick
}

void TMonitoringPage::MonStopBtnClick() {
    engine_.stopMonitoring();  // MonStopBtnClick
}

void TMonitoringPage::MonParamBtnClick() {
    if (!states_.monitoringParameters) return;
    parForm_->exec();
    engine_.setParameters(parForm_->parameters());
}

void TMonitoringPage::MonGraphBtnClick() {
    graphForm_->show();
    graphForm_->raise();
    graphForm_->activateWindow();
}

void TMonitoringPage::MonClearBtnClick() {
    log_.confirmAndClear(ui_);  // MonClearBtnClick
}

}  // namespace lmk17
