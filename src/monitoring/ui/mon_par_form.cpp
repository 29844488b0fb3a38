#include "monitoring/ui/mon_par_form.h"

#include <QFileDialog>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "common/ui/accessible_name.h"
#include "monitoring/monitor_log.h"
#include "monitoring/monitor_record.h"

namespace lmk17 {

namespace {

constexpr int kParametersHelpContext = 2910;

QLineEdit* NumberEdit(QWidget* parent, const char* name, int maxLength, int width = 70) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (maxLength > 0) e->setMaxLength(maxLength);
    e->setFixedWidth(width);
    return e;
}

}  // namespace

TMonParForm::TMonParForm(UserInteraction& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName(QStringLiteral("MonParForm"));
    setWindowTitle(tr(" Monitoring Parameters"));

    // ---- interval, graph, log format ----
    auto* general = new QGroupBox(this);
    auto* g = new QFormLayout(general);
    MonIntervalEdt = NumberEdit(general, "MonIntervalEdt", 0);
    g->addRow(tr("Time Interval [s]:"), MonIntervalEdt);
    auto* points = new QHBoxLayout;
    MonNGrfPntEdt = NumberEdit(general, "MonNGrfPntEdt", 5);
    points->addWidget(MonNGrfPntEdt);
    points->addWidget(new QLabel(tr("Records"), general));
    NameAfterLabel(MonNGrfPntEdt, tr("Graph of the PV Value History:"));
    points->addStretch(1);
    g->addRow(tr("Graph of the PV Value History:"), points);
    PntSymbCBox = new QComboBox(general);
    PntSymbCBox->setObjectName(QStringLiteral("PntSymbCBox"));
    PntSymbCBox->addItems({tr(" None"), tr(" Cross"), tr(" Solid Circle"), tr(" Solid Square"),
                           tr(" Small Solid Circle"), tr(" Small Solid Square")});
    g->addRow(tr("Graph Point Symbols:"), PntSymbCBox);
    MonFormatCB = new QComboBox(general);
    MonFormatCB->setObjectName(QStringLiteral("MonFormatCB"));
    for (int i = 0; i < kMonFormatCount; ++i) MonFormatCB->addItem(MonFormatText(i));
    g->addRow(tr("Log Format :"), MonFormatCB);
    MonDesOddCB = new QComboBox(general);
    MonDesOddCB->setObjectName(QStringLiteral("MonDesOddCB"));
    MonDesOddCB->addItems({tr(" ' , ' - Dash"), tr(" ' . ' - Dot ")});
    g->addRow(tr("Decimal Separator:"), MonDesOddCB);
    MonDecNumPVEdt = NumberEdit(general, "MonDecNumPVEdt", 0);
    g->addRow(tr("Number of Significant Places of the PV:"), MonDecNumPVEdt);

    // ---- record conditions ----
    auto* mode = new QGroupBox(this);
    auto* m = new QGridLayout(mode);
    MonMode1RBx = new QRadioButton(tr("Write all Records"), mode);
    MonMode1RBx->setObjectName(QStringLiteral("MonMode1RBx"));
    MonMode2RBx = new QRadioButton(tr("Write when:"), mode);
    MonMode2RBx->setObjectName(QStringLiteral("MonMode2RBx"));
    MonModeACBx = new QCheckBox(tr("Change of the PV Value i more than [%] :"), mode);
    MonModeACBx->setObjectName(QStringLiteral("MonModeACBx"));
    MonModeAEdt = NumberEdit(mode, "MonModeAEdt", 0);
    NameAfterLabel(MonModeAEdt, MonModeACBx->text());
    MonModeBCBx = new QCheckBox(tr("Transmitter is in Error State"), mode);
    MonModeBCBx->setObjectName(QStringLiteral("MonModeBCBx"));
    MonModeCCBx = new QCheckBox(tr("Communication Error appears"), mode);
    MonModeCCBx->setObjectName(QStringLiteral("MonModeCCBx"));
    MonModeDCBx = new QCheckBox(tr("With Time Period  [sec] :"), mode);
    MonModeDCBx->setObjectName(QStringLiteral("MonModeDCBx"));
    MonModeDEdt = NumberEdit(mode, "MonModeDEdt", 0);
    NameAfterLabel(MonModeDEdt, MonModeDCBx->text());
    m->addWidget(MonMode1RBx, 0, 0, 1, 3);
    m->addWidget(MonMode2RBx, 1, 0, 1, 3);
    m->setColumnMinimumWidth(0, 18);
    m->addWidget(MonModeACBx, 2, 1);
    m->addWidget(MonModeAEdt, 2, 2);
    m->addWidget(MonModeBCBx, 3, 1);
    m->addWidget(MonModeCCBx, 4, 1);
    m->addWidget(MonModeDCBx, 5, 1);
    m->addWidget(MonModeDEdt, 5, 2);

    // ---- address and log file ----
    auto* target = new QGroupBox(this);
    auto* t = new QGridLayout(target);
    MonAdr1CB = new QComboBox(target);
    MonAdr1CB->setObjectName(QStringLiteral("MonAdr1CB"));
    for (int a = 0; a <= 31; ++a) MonAdr1CB->addItem(QString::asprintf(" %d", a));
    t->addWidget(new QLabel(tr("Monitor the Transmitter:"), target), 0, 0);
    auto* addressLbl = new QLabel(tr("with the Address"), target);
    NameAfterLabel(MonAdr1CB, addressLbl, tr("Monitor the Transmitter:"));
    t->addWidget(addressLbl, 0, 1);
    MonAdr1CB->setFixedWidth(80);
    t->addWidget(MonAdr1CB, 0, 2, Qt::AlignLeft);
    MonAdrListEdt = new QLineEdit(target);
    MonAdrListEdt->setObjectName(QStringLiteral("MonAdrListEdt"));
    MonAdrListEdt->setPlaceholderText(tr("e.g. 0,3,5-7"));
    MonAdrListEdt->setToolTip(
        tr("Several transmitters on one line, polled in turn each cycle (up to 32 addresses). "
           "Empty: the one address above."));
    auto* addressesLbl = new QLabel(tr("or the Addresses:"), target);
    NameAfterLabel(MonAdrListEdt, addressesLbl, tr("Monitor the Transmitter:"));
    t->addWidget(addressesLbl, 1, 1);
    MonAdrListEdt->setFixedWidth(200);
    t->addWidget(MonAdrListEdt, 1, 2, Qt::AlignLeft);
    t->setColumnStretch(3, 1);
    LogToFileCBx = new QCheckBox(tr("Write Records to the Log File :"), target);
    LogToFileCBx->setObjectName(QStringLiteral("LogToFileCBx"));
    t->addWidget(LogToFileCBx, 2, 0, 1, 4);
    auto* file = new QHBoxLayout;
    MonLogFileEdt = new QLineEdit(target);
    MonLogFileEdt->setObjectName(QStringLiteral("MonLogFileEdt"));
    MonLogFileEdt->setMinimumWidth(300);
    NameAfterLabel(MonLogFileEdt, LogToFileCBx->text());
    MonLogFileBtn = new QPushButton(QStringLiteral("..."), target);
    MonLogFileBtn->setObjectName(QStringLiteral("MonLogFileBtn"));
    MonLogFileBtn->setFixedWidth(32);
    file->addWidget(MonLogFileEdt, 1);
    file->addWidget(MonLogFileBtn);
    t->addLayout(file, 3, 0, 1, 4);
    LogFileAppendCBx = new QRadioButton(tr("Append"), target);
    LogFileAppendCBx->setObjectName(QStringLiteral("LogFileAppendCBx"));
    LogFileReWrCBx = new QRadioButton(tr("Rewrite"), target);
    LogFileReWrCBx->setObjectName(QStringLiteral("LogFileReWrCBx"));
    auto* open = new QHBoxLayout;
    open->addWidget(LogFileAppendCBx);
    open->addWidget(LogFileReWrCBx);
    open->addStretch(1);
    // The character set of a text log; a file appended to keeps its own.
    LogEncodingCB = new QComboBox(target);
    LogEncodingCB->setObjectName(QStringLiteral("LogEncodingCB"));
    LogEncodingCB->addItems({tr("Windows-1250"), tr("UTF-8")});
    auto* encodingLbl = new QLabel(tr("Text Log Encoding:"), target);
    NameAfterLabel(LogEncodingCB, encodingLbl);
    open->addWidget(encodingLbl);
    open->addWidget(LogEncodingCB);
    t->addLayout(open, 4, 0, 1, 4);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);

    auto* top = new QHBoxLayout;
    top->addWidget(general);
    top->addWidget(mode);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(target);
    layout->addLayout(buttons);

    for (QLineEdit* e : {MonIntervalEdt, MonNGrfPntEdt, MonDecNumPVEdt, MonModeAEdt, MonModeDEdt,
                         MonAdrListEdt, MonLogFileEdt})
        e->installEventFilter(this);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(MonMode1RBx, &QRadioButton::toggled, this, &TMonParForm::MonModeRBxClick);
    connect(MonLogFileBtn, &QPushButton::clicked, this, &TMonParForm::MonLogFileBtnClick);
    connect(PntSymbCBox, &QComboBox::currentIndexChanged, this, [this](int i) {
        params_.pointSymbol = i;
        if (!showing_) emit pointSymbolChanged(i);
    });
    connect(MonFormatCB, &QComboBox::currentIndexChanged, this,
            [this](int i) { params_.format = i; });
    connect(MonDesOddCB, &QComboBox::currentIndexChanged, this,
            [this](int i) { params_.separator = i; });
    connect(MonAdr1CB, &QComboBox::currentIndexChanged, this,
            [this](int i) { params_.address = i; });
    connect(MonModeACBx, &QCheckBox::toggled, this, [this](bool on) { params_.onChange = on; });
    connect(MonModeBCBx, &QCheckBox::toggled, this, [this](bool on) { params_.onErrorState = on; });
    connect(MonModeCCBx, &QCheckBox::toggled, this, [this](bool on) { params_.onCommError = on; });
    connect(MonModeDCBx, &QCheckBox::toggled, this, [this](bool on) { params_.onPeriod = on; });
    connect(LogToFileCBx, &QCheckBox::toggled, this, [this](bool on) { params_.logToFile = on; });
    connect(LogFileAppendCBx, &QRadioButton::toggled, this,
            [this](bool on) { params_.append = on; });
    connect(LogEncodingCB, &QComboBox::currentIndexChanged, this,
            [this](int i) { params_.logEncoding = MonLogEncoding(i); });
    showValues();
}

void TMonParForm::setParameters(const MonitorParameters& parameters) {
    params_ = parameters;
    showValues();
}

void TMonParForm::showValues() {
    showing_ = true;
    MonIntervalEdt->setText(ShowMonInterval(params_.intervalMs));
    MonNGrfPntEdt->setText(ShowMonInteger(params_.pointLimit));
    PntSymbCBox->setCurrentIndex(params_.pointSymbol);
    MonFormatCB->setCurrentIndex(params_.format);
    MonDesOddCB->setCurrentIndex(params_.separator);
    MonDecNumPVEdt->setText(ShowMonInteger(params_.digits));
    (params_.writeAll ? MonMode1RBx : MonMode2RBx)->setChecked(true);
    MonModeACBx->setChecked(params_.onChange);
    MonModeAEdt->setText(ShowMonInteger(params_.changePercent));
    MonModeBCBx->setChecked(params_.onErrorState);
    MonModeCCBx->setChecked(params_.onCommError);
    MonModeDCBx->setChecked(params_.onPeriod);
    MonModeDEdt->setText(ShowMonInteger(params_.periodS));
    MonAdr1CB->setCurrentIndex(params_.address);
    MonAdrListEdt->setText(MonAddressListText(params_.addresses));
    LogToFileCBx->setChecked(params_.logToFile);
    MonLogFileEdt->setText(params_.logFile);
    (params_.append ? LogFileAppendCBx : LogFileReWrCBx)->setChecked(true);
    LogEncodingCB->setCurrentIndex(int(params_.logEncoding));
    MonModeRBxClick();
    showing_ = false;
}

// The condition controls take part only under "Write when:".
void TMonParForm::MonModeRBxClick() {
    params_.writeAll = MonMode1RBx->isChecked();
    const bool on = !params_.writeAll;
    for (QWidget* w : std::initializer_list<QWidget*>{MonModeACBx, MonModeAEdt, MonModeBCBx,
                                                      MonModeCCBx, MonModeDCBx, MonModeDEdt})
        w->setEnabled(on);
}

bool TMonParForm::checkField(QLineEdit* field) {
    const QString text = field->text();
    const struct {
        QLineEdit* edit;
        MonField field;
        int MonitorParameters::*value;
    } valueFields[] = {
        {MonIntervalEdt, MonField::Interval, &MonitorParameters::intervalMs},
        {MonNGrfPntEdt, MonField::PointLimit, &MonitorParameters::pointLimit},
        {MonDecNumPVEdt, MonField::Digits, &MonitorParameters::digits},
        {MonModeAEdt, MonField::Percent, &MonitorParameters::changePercent},
        {MonModeDEdt, MonField::Period, &MonitorParameters::periodS},
    };
    for (const auto& f : valueFields) {
        if (field != f.edit) continue;
        const MonFieldCheck check = CheckMonField(f.field, text, params_.*f.value);
        params_.*f.value = check.value;
        field->setText(ShowMonField(f.field, check.value));
        if (check.refusal.isEmpty()) return true;
        ui_.message(MessageKind::Error, check.refusal);
        return false;
    }
    if (field == MonAdrListEdt && text.trimmed().isEmpty()) {
        params_.addresses.clear();  // the one address of MonAdr1CB
        field->clear();
    } else if (field == MonAdrListEdt) {
        QString error;
        const auto list = ParseMonAddressList(text, &error);
        if (!list) {
            ui_.message(
                MessageKind::Error,
                tr("The address list \"%1\" cannot be used: %2").arg(text.trimmed(), error));
            return false;
        }
        params_.addresses = *list;
        field->setText(MonAddressListText(params_.addresses));
    } else if (field == MonLogFileEdt) {
        params_.logFile = MonitorLog::ResolveFileName(text, dataFolder_);
        field->setText(params_.logFile);
    }
    return true;
}

bool TMonParForm::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (field != MonLogFileEdt) field->setText(field->text().trimmed());
            break;
        case QEvent::FocusOut:
            // Popups (a completer, a message box of our own) are not a leave.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
                !checkField(field))
                field->setFocus();
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                checkField(field);
                return true;  // consumed: Enter does not close the dialog
            }
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void TMonParForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(kParametersHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

// OK, Esc and the close box all end here.
void TMonParForm::done(int result) {
    if (auto* field = qobject_cast<QLineEdit*>(focusWidget()); field && !checkField(field)) return;
    params_.normaliseOnClose();
    if (params_.writeAll && !MonMode1RBx->isChecked()) MonMode1RBx->setChecked(true);
    QDialog::done(result);
    emit closed();
}

void TMonParForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred over the window that opened it.
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = over ? over->frameGeometry() : screen()->availableGeometry();
    move(area.center() - rect().center());
}

void TMonParForm::MonLogFileBtnClick() {
    const QString dir = MonitorLog::BrowseFolder(MonLogFileEdt->text(), dataFolder_);
    const QString name = QFileDialog::getSaveFileName(
        this, tr("Log File"), dir, tr("All Files (*)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return;
    MonLogFileEdt->setText(name);
    checkField(MonLogFileEdt);
}

}  // namespace lmk17
