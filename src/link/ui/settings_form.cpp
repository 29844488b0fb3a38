#include "link/ui/settings_form.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/message_box_interaction.h"
#include "link/comm_port_driver.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"
#include "link/port_failure.h"
#include "link/port_list.h"

namespace lmk17 {

namespace {

QString linkText(const char* text) {
    return QCoreApplication::translate("Link", text);
}

constexpr int kOptionsHelpContext = 3500;

}  // namespace

TSettingsForm::TSettingsForm(PortConnection& connection, PortList& ports, TCommPortDriver& port,
                             QWidget* parent)
    : QDialog(parent),
      m_connection(connection),
      m_ports(ports),
      m_port(port),
      m_portCB(new QComboBox(this)),
      m_disconnectBtn(new QPushButton(linkText(texts::kDisconnectButton), this)),
      m_advancedCBx(new QCheckBox(linkText(texts::kExpertParamsCheckBox), this)),
      m_advancedPnl(new QWidget(this)),
      m_baudBox(new QGroupBox(tr("Baud Rate"), m_advancedPnl)),
      m_parityBox(new QGroupBox(tr("Parity"), m_advancedPnl)),
      m_daBox(new QGroupBox(tr("Address"), m_advancedPnl)),
      m_baudRG(new QButtonGroup(this)),
      m_parityRG(new QButtonGroup(this)),
      m_daEdt(new QLineEdit(m_daBox)),
      m_saEdt(new QLineEdit(m_daBox)),
      m_defaultBtn(new QPushButton(linkText(texts::kDefaultParamsButton), m_advancedPnl)),
      m_statusBar(new QStatusBar(this)),
      m_statusLbl(new QLabel(m_statusBar)),
      m_closeBtn(new QPushButton(linkText(texts::kCloseButton), this)) {
    setObjectName(QStringLiteral("SettingsForm"));
    setWindowTitle(linkText(texts::kOptionsCaption));
    setModal(true);

    m_portCB->setObjectName(QStringLiteral("PortConnectCmBx"));
    m_portCB->setEditable(true);
    m_portCB->setInsertPolicy(QComboBox::NoInsert);
    m_portCB->setMinimumContentsLength(28);
    m_portCB->setToolTip(
        tr(" Pick a serial port, or type the path of a device (e.g. a terminal of lmk17-sim) "
           "and press Enter "));
    m_disconnectBtn->setObjectName(QStringLiteral("DisconnectBtn"));
    m_advancedCBx->setObjectName(QStringLiteral("AdvComParCBx"));
    m_advancedPnl->setObjectName(QStringLiteral("AdvPCComParPnl"));
    m_daBox->setObjectName(QStringLiteral("DABox"));
    m_daEdt->setObjectName(QStringLiteral("DAEdt"));
    m_saEdt->setObjectName(QStringLiteral("SAEdt"));
    m_defaultBtn->setObjectName(QStringLiteral("VychParamBtn"));
    m_statusBar->setObjectName(QStringLiteral("SerPortStatusBar"));
    m_statusLbl->setObjectName(QStringLiteral("SerPortStatusLbl"));
    m_closeBtn->setObjectName(QStringLiteral("CloseBtn"));
    for (QLineEdit* e : {m_daEdt, m_saEdt}) {
        e->setMaxLength(3);  // two digits and the leading blank of " %d"
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        e->installEventFilter(this);
    }

    auto* portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel(tr("Serial Port:"), this));
    portRow->addWidget(m_portCB, 1);
    portRow->addWidget(m_disconnectBtn);

    auto* baudLayout = new QVBoxLayout(m_baudBox);
    for (int i = 0; i < kBaudRateCount; ++i) {
        auto* b = new QRadioButton(linkText(texts::kBaudItems[i]), m_baudBox);
        m_baudRG->addButton(b, i);
        baudLayout->addWidget(b);
    }
    m_baudBox->setObjectName(QStringLiteral("BaudRateRG"));
    auto* parityLayout = new QVBoxLayout(m_parityBox);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(linkText(texts::kParityItems[i]), m_parityBox);
        m_parityRG->addButton(b, i);
        parityLayout->addWidget(b);
    }
    parityLayout->addStretch(1);
    m_parityBox->setObjectName(QStringLiteral("ParityRG"));
    auto* daLayout = new QFormLayout(m_daBox);
    daLayout->addRow(tr("Transmitter (DA):"), m_daEdt);
    daLayout->addRow(tr("PC (SA):"), m_saEdt);

    auto* right = new QVBoxLayout;
    right->addWidget(m_daBox);
    right->addStretch(1);
    right->addWidget(m_defaultBtn);
    auto* advanced = new QHBoxLayout(m_advancedPnl);
    advanced->setContentsMargins(0, 0, 0, 0);
    advanced->addWidget(m_baudBox);
    advanced->addWidget(m_parityBox);
    advanced->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_closeBtn);

    m_statusLbl->setWordWrap(true);
    m_statusBar->addWidget(m_statusLbl, 1);
    m_statusBar->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(portRow);
    m_languageRow = new QHBoxLayout;
    layout->addLayout(m_languageRow);
    layout->addWidget(m_advancedCBx);
    layout->addWidget(m_advancedPnl);
    layout->addLayout(buttons);
    layout->addWidget(m_statusBar);

    connect(m_portCB, &QComboBox::activated, this, &TSettingsForm::PortConnectCmBxChange);
    connect(m_portCB->lineEdit(), &QLineEdit::returnPressed, this, &TSettingsForm::portPathEntered);
    connect(m_disconnectBtn, &QPushButton::clicked, this, [this] {
        m_connection.disconnectPort();
        showConnectionState();
    });
    connect(m_advancedCBx, &QCheckBox::clicked, this, &TSettingsForm::AdvComParCBxClick);
    connect(m_baudRG, &QButtonGroup::idClicked, this,
            [this](int id) { m_connection.setBaudIndex(id); });
    connect(m_parityRG, &QButtonGroup::idClicked, this,
            [this](int id) { m_connection.setParityIndex(id); });
    connect(m_defaultBtn, &QPushButton::clicked, this, &TSettingsForm::VychParamBtnClick);
    connect(m_daEdt, &QLineEdit::editingFinished, this, &TSettingsForm::DAEdtExit);
    connect(m_saEdt, &QLineEdit::editingFinished, this, &TSettingsForm::SAEdtExit);
    connect(m_closeBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_connection, &PortConnection::statusChanged, this, &TSettingsForm::showStatus);
    connect(&m_connection, &PortConnection::itemChanged, this, [this] { showConnectionState(); });
    connect(&m_connection, &PortConnection::connectFailed, this, &TSettingsForm::onConnectFailed);

    fillPortList();
    showLinkSettings();
    AdvComParCBxClick(false);
    showConnectionState();
}

int TSettingsForm::exec() {
    // Only while unconnected: the item of an open port must keep its meaning.
    if (!m_connection.isConnected()) rescanPorts();
    showConnectionState();
    return QDialog::exec();
}

void TSettingsForm::rescanPorts() {
    m_ports = m_ports.rescan();
    fillPortList();
}

void TSettingsForm::syncFromConnection() {
    fillPortList();
    showLinkSettings();
    showConnectionState();
    showStatus(m_connection.statusText());
}

void TSettingsForm::fillPortList() {
    m_filling = true;
    m_portCB->clear();
    m_portCB->addItems(m_ports.itemTexts());
    m_portCB->setCurrentIndex(std::clamp(m_connection.selectedItem(), 0, m_ports.count()));
    m_filling = false;
}

// PortConnectCmBxChange: re-selecting the item last acted on does nothing.
void TSettingsForm::PortConnectCmBxChange(int index) {
    if (m_filling) return;
    m_connection.selectItem(index);
    showConnectionState();
}

// A device path typed into the list: added to the list and connected.
void TSettingsForm::portPathEntered() {
    const QString text = m_portCB->currentText().trimmed();
    const int item = m_ports.itemForTypedPath(text);
    fillPortList();
    if (item < 0) {
        showStatus(tr("%1: no such device.").arg(text));
        QApplication::beep();
        return;
    }
    PortConnectCmBxChange(item);
}

void TSettingsForm::onConnectFailed() {
    const QString detail = PortFailureDetail(m_port.deviceName(), m_port.errorString());
    if (!detail.isEmpty()) showStatus(m_connection.statusText() + QLatin1Char('\n') + detail);
    QApplication::beep();
}

void TSettingsForm::showConnectionState() {
    const bool open = m_connection.isConnected();
    m_filling = true;
    m_portCB->setCurrentIndex(std::clamp(m_connection.selectedItem(), 0, m_ports.count()));
    m_filling = false;
    m_disconnectBtn->setVisible(open);
    if (open && m_advancedCBx->isChecked()) {
        m_advancedCBx->setChecked(false);
        AdvComParCBxClick(false);
    }
    m_advancedCBx->setEnabled(!open);
}

void TSettingsForm::showLinkSettings() {
    const LinkSettings& s = m_connection.settings();
    if (auto* b = m_baudRG->button(s.baudIndex)) b->setChecked(true);
    if (auto* b = m_parityRG->button(s.parityIndex)) b->setChecked(true);
    m_daEdt->setText(NumberFieldText(s.transmitterAddress));
    m_saEdt->setText(NumberFieldText(s.masterAddress));
}

void TSettingsForm::showStatus(const QString& text) {
    m_statusLbl->setText(text);
}

void TSettingsForm::AdvComParCBxClick(bool checked) {
    if (checked) {
        QMessageBox::warning(this, tr("LMK-17"), linkText(texts::kExpertParamsWarning));
    }
    for (QWidget* w : {static_cast<QWidget*>(m_advancedPnl), static_cast<QWidget*>(m_baudBox),
                       static_cast<QWidget*>(m_parityBox), static_cast<QWidget*>(m_daBox),
                       static_cast<QWidget*>(m_daEdt), static_cast<QWidget*>(m_saEdt),
                       static_cast<QWidget*>(m_defaultBtn)})
        w->setEnabled(checked);
}

void TSettingsForm::VychParamBtnClick() {
    m_connection.setDefaultParameters();
    showLinkSettings();
}

void TSettingsForm::DAEdtExit() {
    m_daEdt->setText(m_connection.setTransmitterAddressText(m_daEdt->text()));
}

void TSettingsForm::SAEdtExit() {
    m_saEdt->setText(m_connection.setMasterAddressText(m_saEdt->text()));
}

// Entering an address edit trims its blanks.
bool TSettingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* e = qobject_cast<QLineEdit*>(watched)) e->setText(e->text().trimmed());
    }
    return QDialog::eventFilter(watched, event);
}

void TSettingsForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(kOptionsHelpContext);
        return;
    }
    // Enter in an address edit is consumed by the edit (editingFinished);
    // it must not close the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

void TSettingsForm::addLanguageList(QWidget* list) {
    list->setParent(this);
    list->setObjectName(QStringLiteral("LanguageCmBox"));
    m_languageRow->addWidget(new QLabel(tr("Language:"), this));
    m_languageRow->addWidget(list, 1);
}

}  // namespace lmk17
