#include "link/ui/settings_form.h"

#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QVBoxLayout>

#include "common/ui/accessible_name.h"
#include "common/ui/message_box_interaction.h"
#include "link/comm_port_driver.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"
#include "link/port_failure.h"
#include "link/port_list.h"
#include "link/ui/link_texts.h"
#include "link/ui/port_status_text.h"

namespace lmk17 {

namespace {

QString linkText(const char* text) {
    return QCoreApplication::translate("Link", text);
}

constexpr int kOptionsHelpContext = 3500;

// A stable name is longer than the dialog is wide: the label may break it
// after each separator (an invisible break, not a blank).
QString BreakablePaths(QString text) {
    static const QRegularExpression separator(QStringLiteral("([/_-])(?=\\S)"));
    return text.replace(separator, QStringLiteral("\\1\u200B"));
}

// A description comes from the adapter itself and a path from the user: a
// tooltip shows them as the text they are, never reads them as markup.
QString PlainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text;
}

}  // namespace

TSettingsForm::TSettingsForm(PortConnection& connection, PortList& ports, TCommPortDriver& port,
                             QWidget* parent)
    : QDialog(parent),
      connection_(connection),
      ports_(ports),
      port_(port),
      portCB_(new QComboBox(this)),
      portDescriptionLbl_(new QLabel(this)),
      disconnectBtn_(new QPushButton(linkText(texts::kDisconnectButton), this)),
      advancedCBx_(new QCheckBox(linkText(texts::kExpertParamsCheckBox), this)),
      advancedPnl_(new QWidget(this)),
      baudBox_(new QGroupBox(tr("Baud Rate"), advancedPnl_)),
      parityBox_(new QGroupBox(tr("Parity"), advancedPnl_)),
      daBox_(new QGroupBox(tr("Address"), advancedPnl_)),
      baudRG_(new QButtonGroup(this)),
      parityRG_(new QButtonGroup(this)),
      daEdt_(new QLineEdit(daBox_)),
      saEdt_(new QLineEdit(daBox_)),
      defaultBtn_(new QPushButton(linkText(texts::kDefaultParamsButton), advancedPnl_)),
      statusBar_(new QStatusBar(this)),
      statusLbl_(new QLabel(statusBar_)),
      closeBtn_(new QPushButton(linkText(texts::kCloseButton), this)),
      searchBtn_(new QPushButton(tr("&Search…"), this)) {
    setObjectName(QStringLiteral("SettingsForm"));
    setWindowTitle(linkText(texts::kOptionsCaption));
    setModal(true);

    portCB_->setObjectName(QStringLiteral("PortConnectCmBx"));
    portCB_->setEditable(true);
    portCB_->setInsertPolicy(QComboBox::NoInsert);
    portCB_->setMinimumContentsLength(28);
    portCB_->setToolTip(
        tr(" Pick a serial port, or type the path of a device (e.g. a terminal of lmk17-sim) "
           "and press Enter "));
    portDescriptionLbl_->setObjectName(QStringLiteral("PortDescriptionLbl"));
    portDescriptionLbl_->setWordWrap(true);
    portDescriptionLbl_->setTextFormat(Qt::PlainText);
    disconnectBtn_->setObjectName(QStringLiteral("DisconnectBtn"));
    advancedCBx_->setObjectName(QStringLiteral("AdvComParCBx"));
    advancedPnl_->setObjectName(QStringLiteral("AdvPCComParPnl"));
    daBox_->setObjectName(QStringLiteral("DABox"));
    daEdt_->setObjectName(QStringLiteral("DAEdt"));
    saEdt_->setObjectName(QStringLiteral("SAEdt"));
    defaultBtn_->setObjectName(QStringLiteral("VychParamBtn"));
    statusBar_->setObjectName(QStringLiteral("SerPortStatusBar"));
    statusLbl_->setObjectName(QStringLiteral("SerPortStatusLbl"));
    closeBtn_->setObjectName(QStringLiteral("CloseBtn"));
    searchBtn_->setObjectName(QStringLiteral("SearchBtn"));
    searchBtn_->setToolTip(
        tr(" Find the transmitters on the line whatever their address, baud rate and parity "));
    for (QLineEdit* e : {daEdt_, saEdt_}) {
        e->setMaxLength(3);  // two digits and the leading blank of " %d"
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        e->installEventFilter(this);
    }

    // The chosen port's description stands under the list.
    auto* portRow = new QGridLayout;
    auto* portLbl = new QLabel(tr("Serial Port:"), this);
    NameAfterLabel(portCB_, portLbl);
    portRow->addWidget(portLbl, 0, 0);
    portRow->addWidget(portCB_, 0, 1);
    portRow->addWidget(disconnectBtn_, 0, 2);
    portRow->addWidget(portDescriptionLbl_, 1, 1, 1, 2);
    portRow->setColumnStretch(1, 1);

    auto* baudLayout = new QVBoxLayout(baudBox_);
    for (int i = 0; i < kBaudRateCount; ++i) {
        auto* b = new QRadioButton(linkText(texts::kBaudItems[i]), baudBox_);
        baudRG_->addButton(b, i);
        baudLayout->addWidget(b);
    }
    baudBox_->setObjectName(QStringLiteral("BaudRateRG"));
    auto* parityLayout = new QVBoxLayout(parityBox_);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(linkText(texts::kParityItems[i]), parityBox_);
        parityRG_->addButton(b, i);
        parityLayout->addWidget(b);
    }
    parityLayout->addStretch(1);
    parityBox_->setObjectName(QStringLiteral("ParityRG"));
    auto* daLayout = new QFormLayout(daBox_);
    daLayout->addRow(tr("Transmitter (DA):"), daEdt_);
    daLayout->addRow(tr("PC (SA):"), saEdt_);

    auto* right = new QVBoxLayout;
    right->addWidget(daBox_);
    right->addStretch(1);
    right->addWidget(defaultBtn_);
    auto* advanced = new QHBoxLayout(advancedPnl_);
    advanced->setContentsMargins(0, 0, 0, 0);
    advanced->addWidget(baudBox_);
    advanced->addWidget(parityBox_);
    advanced->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(searchBtn_);
    buttons->addStretch(1);
    buttons->addWidget(closeBtn_);

    statusLbl_->setWordWrap(true);
    statusBar_->addWidget(statusLbl_, 1);
    statusBar_->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(portRow);
    languageRow_ = new QHBoxLayout;
    layout->addLayout(languageRow_);
    layout->addWidget(advancedCBx_);
    layout->addWidget(advancedPnl_);
    layout->addLayout(buttons);
    layout->addWidget(statusBar_);

    connect(portCB_, &QComboBox::activated, this, &TSettingsForm::PortConnectCmBxChange);
    connect(portCB_, &QComboBox::currentIndexChanged, this, &TSettingsForm::showPortDescription);
    // Enter, Tab and a click on Close all take a typed path: leaving the field
    // never drops what was typed.
    connect(portCB_->lineEdit(), &QLineEdit::editingFinished, this,
            &TSettingsForm::portPathEntered);
    connect(disconnectBtn_, &QPushButton::clicked, this, [this] {
        connection_.disconnectPort();
        showConnectionState();
    });
    connect(advancedCBx_, &QCheckBox::clicked, this, &TSettingsForm::AdvComParCBxClick);
    connect(baudRG_, &QButtonGroup::idClicked, this,
            [this](int id) { connection_.setBaudIndex(id); });
    connect(parityRG_, &QButtonGroup::idClicked, this,
            [this](int id) { connection_.setParityIndex(id); });
    connect(defaultBtn_, &QPushButton::clicked, this, &TSettingsForm::VychParamBtnClick);
    connect(daEdt_, &QLineEdit::editingFinished, this, &TSettingsForm::DAEdtExit);
    connect(saEdt_, &QLineEdit::editingFinished, this, &TSettingsForm::SAEdtExit);
    connect(closeBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(searchBtn_, &QPushButton::clicked, this, &TSettingsForm::searchRequested);
    connect(&connection_, &PortConnection::statusChanged, this,
            [this](const PortStatus& status) { showStatus(PortStatusText(status)); });
    connect(&connection_, &PortConnection::itemChanged, this, [this] { showConnectionState(); });
    connect(&connection_, &PortConnection::connectFailed, this, &TSettingsForm::onConnectFailed);

    fillPortList();
    showLinkSettings();
    AdvComParCBxClick(false);
    showConnectionState();
}

int TSettingsForm::exec() {
    // Only while unconnected: the item of an open port must keep its meaning.
    if (!connection_.isConnected()) rescanPorts();
    showConnectionState();
    return QDialog::exec();
}

void TSettingsForm::rescanPorts() {
    ports_ = ports_.rescan();
    fillPortList();
}

void TSettingsForm::syncFromConnection() {
    fillPortList();
    showLinkSettings();
    showConnectionState();
    showStatus(PortStatusText(connection_.status()));
}

void TSettingsForm::fillPortList() {
    filling_ = true;
    portCB_->clear();
    const QStringList items = PortItemTexts(ports_);
    const QStringList descriptions = PortItemDescriptions(ports_);
    portCB_->addItems(items);
    for (int i = 0; i < items.size(); ++i) {
        portCB_->setItemData(i, PlainToolTip(PortItemToolTip(items[i], descriptions.value(i))),
                             Qt::ToolTipRole);
        portCB_->setItemData(i, descriptions.value(i), Qt::AccessibleDescriptionRole);
    }
    portCB_->setCurrentIndex(std::clamp(connection_.selectedItem(), 0, ports_.count()));
    filling_ = false;
    showPortDescription(portCB_->currentIndex());
}

void TSettingsForm::showPortDescription(int index) {
    const QString description = portCB_->itemData(index, Qt::AccessibleDescriptionRole).toString();
    portDescriptionLbl_->setText(BreakablePaths(description));
    portCB_->setAccessibleDescription(description);
}

// PortConnectCmBxChange: re-selecting the item last acted on does nothing.
void TSettingsForm::PortConnectCmBxChange(int index) {
    if (filling_) return;
    connection_.selectItem(index);
    showConnectionState();
}

// A device path typed into the list: added to the list and connected.
void TSettingsForm::portPathEntered() {
    const QString text = portCB_->currentText().trimmed();
    const int current = std::clamp(connection_.selectedItem(), 0, ports_.count());
    if (text == portCB_->itemText(current).trimmed()) return;  // nothing typed
    const int item = PortItemForTypedText(ports_, text);
    fillPortList();
    if (item < 0) {
        showStatus(tr("%1: no such device.").arg(text));
        QApplication::beep();
        return;
    }
    PortConnectCmBxChange(item);
}

void TSettingsForm::onConnectFailed() {
    const QString detail =
        PortFailureDetail(PortFailureOf(port_.deviceName(), port_.errorString()));
    if (!detail.isEmpty())
        showStatus(PortStatusText(connection_.status()) + QLatin1Char('\n') + detail);
    QApplication::beep();
}

void TSettingsForm::showConnectionState() {
    const bool open = connection_.isConnected();
    filling_ = true;
    portCB_->setCurrentIndex(std::clamp(connection_.selectedItem(), 0, ports_.count()));
    filling_ = false;
    disconnectBtn_->setVisible(open);
    searchBtn_->setEnabled(open);  // the search talks over the port
    if (open && advancedCBx_->isChecked()) {
        advancedCBx_->setChecked(false);
        AdvComParCBxClick(false);
    }
    advancedCBx_->setEnabled(!open);
}

void TSettingsForm::showLinkSettings() {
    const LinkSettings& s = connection_.settings();
    if (auto* b = baudRG_->button(s.baudIndex)) b->setChecked(true);
    if (auto* b = parityRG_->button(s.parityIndex)) b->setChecked(true);
    daEdt_->setText(NumberFieldText(s.transmitterAddress));
    saEdt_->setText(NumberFieldText(s.masterAddress));
}

void TSettingsForm::showStatus(const QString& text) {
    statusLbl_->setText(text);
}

void TSettingsForm::AdvComParCBxClick(bool checked) {
    if (checked) {
        QMessageBox::warning(this, tr("LMK-17"), linkText(texts::kExpertParamsWarning));
    }
    for (QWidget* w : {static_cast<QWidget*>(advancedPnl_), static_cast<QWidget*>(baudBox_),
                       static_cast<QWidget*>(parityBox_), static_cast<QWidget*>(daBox_),
                       static_cast<QWidget*>(daEdt_), static_cast<QWidget*>(saEdt_),
                       static_cast<QWidget*>(defaultBtn_)})
        w->setEnabled(checked);
}

void TSettingsForm::VychParamBtnClick() {
    connection_.setDefaultParameters();
    showLinkSettings();
}

void TSettingsForm::DAEdtExit() {
    daEdt_->setText(connection_.setTransmitterAddressText(daEdt_->text()));
}

void TSettingsForm::SAEdtExit() {
    saEdt_->setText(connection_.setMasterAddressText(saEdt_->text()));
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
    languageRow_->addWidget(new QLabel(tr("Language:"), this));
    languageRow_->addWidget(list, 1);
}

}  // namespace lmk17
