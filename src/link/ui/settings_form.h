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

    QComboBox* PortConnectCmBx() const { return portCB_; }              // port list
    QLabel* PortDescriptionLbl() const { return portDescriptionLbl_; }  // chosen port described
    QPushButton* DisconnectBtn() const { return disconnectBtn_; }       // disconnect the port
    QCheckBox* AdvComParCBx() const { return advancedCBx_; }            // advanced parameters shown
    QWidget* AdvPCComParPnl() const { return advancedPnl_; }            // advanced parameters panel
    QButtonGroup* BaudRateRG() const { return baudRG_; }                // baud rate
    QButtonGroup* ParityRG() const { return parityRG_; }                // parity
    QLineEdit* DAEdt() const { return daEdt_; }                // destination (transmitter) address
    QLineEdit* SAEdt() const { return saEdt_; }                // source (computer) address
    QPushButton* VychParamBtn() const { return defaultBtn_; }  // default parameters
    QStatusBar* SerPortStatusBar() const { return statusBar_; }  // port status
    QPushButton* CloseBtn() const { return closeBtn_; }          // close
    QPushButton* SearchBtn() const { return searchBtn_; }        // search the line

signals:
    void helpRequested(int context);
    // "Search…": the transmitters on the line are to be searched for.
    void searchRequested();

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
    void showPortDescription(int index);
    void showConnectionState();
    void showLinkSettings();
    void showStatus(const QString& text);
    void onConnectFailed();
    bool eventFilter(QObject* watched, QEvent* event) override;

    PortConnection& connection_;
    PortList& ports_;
    TCommPortDriver& port_;
    bool filling_ = false;

    QComboBox* portCB_;
    QLabel* portDescriptionLbl_;
    QPushButton* disconnectBtn_;
    QCheckBox* advancedCBx_;
    QWidget* advancedPnl_;
    QGroupBox* baudBox_;
    QGroupBox* parityBox_;
    QGroupBox* daBox_;
    QButtonGroup* baudRG_;
    QButtonGroup* parityRG_;
    QLineEdit* daEdt_;
    QLineEdit* saEdt_;
    QPushButton* defaultBtn_;
    QStatusBar* statusBar_;
    QLabel* statusLbl_;
    QPushButton* closeBtn_;
    QPushButton* searchBtn_;
    QHBoxLayout* languageRow_ = nullptr;
};

}  // namespace lmk17
