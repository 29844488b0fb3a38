#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

class QHBoxLayout;

namespace lmk17 {

class PortConnection;
class PortList;
class TCommPortDriver;

// The options dialog: the serial port with its connect/disconnect, and the
// PC-side link parameters for experts (baud rate, parity, DA, SA). Every
// change takes effect at once through PortConnection; Esc and "Close" only
// close the dialog.
class TSettingsForm : public QDialog {
    Q_OBJECT
public:
    TSettingsForm(PortConnection& connection, PortList& ports, TCommPortDriver& port,
                  QWidget* parent = nullptr);

    // Shows the dialog modally; an unconnected dialog scans the ports anew
    // first (adapters come and go), keeping the selection by its path.
    int exec() override;

    // The port list again from the system, plus the paths already named.
    void rescanPorts();
    // Puts the program's language list (LanguageCmBox) under the port row;
    // the dialog takes it over.
    void addLanguageList(QWidget* list);
    // Puts the dialog's controls in line with the connection (start-up).
    void syncFromConnection();

    QComboBox* PortConnectCmBx() const { return m_portCB; }
    QPushButton* DisconnectBtn() const { return m_disconnectBtn; }
    QCheckBox* AdvComParCBx() const { return m_advancedCBx; }
    QWidget* AdvPCComParPnl() const { return m_advancedPnl; }
    QButtonGroup* BaudRateRG() const { return m_baudRG; }
    QButtonGroup* ParityRG() const { return m_parityRG; }
    QLineEdit* DAEdt() const { return m_daEdt; }
    QLineEdit* SAEdt() const { return m_saEdt; }
    QPushButton* VychParamBtn() const { return m_defaultBtn; }
    QStatusBar* SerPortStatusBar() const { return m_statusBar; }
    QPushButton* CloseBtn() const { return m_closeBtn; }

signals:
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PortConnectCmBxChange(int index);
    void portPathEntered();
    void AdvComParCBxClick(bool checked);
    void VychParamBtnClick();
    void DAEdtExit();
    void SAEdtExit();
    void fillPortList();
    void showConnectionState();
    void showLinkSettings();
    void showStatus(const QString& text);
    void onConnectFailed();
    bool eventFilter(QObject* watched, QEvent* event) override;

    PortConnection& m_connection;
    PortList& m_ports;
    TCommPortDriver& m_port;
    bool m_filling = false;

    QComboBox* m_portCB;
    QPushButton* m_disconnectBtn;
    QCheckBox* m_advancedCBx;
    QWidget* m_advancedPnl;
    QGroupBox* m_baudBox;
    QGroupBox* m_parityBox;
    QGroupBox* m_daBox;
    QButtonGroup* m_baudRG;
    QButtonGroup* m_parityRG;
    QLineEdit* m_daEdt;
    QLineEdit* m_saEdt;
    QPushButton* m_defaultBtn;
    QStatusBar* m_statusBar;
    QLabel* m_statusLbl;
    QPushButton* m_closeBtn;
    QHBoxLayout* m_languageRow = nullptr;
};

}  // namespace lmk17
