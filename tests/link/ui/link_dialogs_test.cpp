#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "link/port_list.h"
#include "link/ui/adresa_form.h"
#include "link/ui/link_texts.h"
#include "link/ui/port_status_text.h"
#include "link/ui/prubeh_form.h"
#include "link/ui/settings_form.h"
#include "support/marking_translator.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

using test::InProcessSim;
using test::SpinUntil;

// Answers the next modal box or dialog with `act` once it shows.
void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

void closeBox(QWidget* w) {
    if (auto* box = qobject_cast<QMessageBox*>(w)) box->accept();
}

struct OptionsRig {
    InProcessSim sim;
    TCommPortDriver port;
    PortList ports;
    PortConnection connection{port, ports};
    TSettingsForm form{connection, ports, port};
};

// How a technician leaves the port field after typing a path.
enum class Leave { Return, Tab, ClickClose };

void typePort(TSettingsForm& form, const QString& path, Leave leave = Leave::Return) {
    QLineEdit* edit = form.PortConnectCmBx()->lineEdit();
    QApplication::setActiveWindow(&form);  // focus moves only in the active window
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, path);
    switch (leave) {
        case Leave::Return:
            QTest::keyClick(edit, Qt::Key_Return);
            break;
        case Leave::Tab:
            QTest::keyClick(edit, Qt::Key_Tab);
            break;
        case Leave::ClickClose:
            // A click moves the focus to the button before it acts.
            form.CloseBtn()->setFocus(Qt::MouseFocusReason);
            QTest::mouseClick(form.CloseBtn(), Qt::LeftButton);
            break;
    }
}

// The status bar's words for each port event; a device name is filled in as
// it stands, even with a "%s" of its own.
TEST(PortStatusText, EachEventInItsWords) {
    struct Case {
        PortEvent event;
        const char* device;
        const char* text;
    };
    const Case cases[] = {
        {PortEvent::None, "/dev/ttyUSB0", ""},
        {PortEvent::Connected, "\\\\.\\COM2", "\\\\.\\COM2 serial port successfully connected."},
        {PortEvent::CannotConnect, "/dev/ttyUSB0", "/dev/ttyUSB0 serial port cannot be connected."},
        {PortEvent::Disconnected, "/tmp/%s", "/tmp/%s serial port disconnected."},
        {PortEvent::LostReopening, "/dev/ttyS0",
         "/dev/ttyS0 serial port lost; monitoring tries to reopen it every 2 s."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PortStatusText({c.event, QString::fromLatin1(c.device)}), QLatin1String(c.text));
}

// Under "cannot be connected": the system's reason as the system gave it,
// and the group and the command in the running language when the user may
// not open the device.
TEST(PortStatusText, FailureDetailAddsTheWayOutOnlyWithoutPermission) {
    const test::MarkingTranslator marking("Link");
    const QString advice = QCoreApplication::translate("Link", texts::kPortPermissionAdvice);
    ASSERT_TRUE(advice.startsWith(QStringLiteral("<YOU MAY NOT OPEN THIS PORT")));
    struct Case {
        PortFailureReason reason;
        const char* system;
        QString detail;
    };
    const Case cases[] = {
        {PortFailureReason::System, "No such file or directory",
         QStringLiteral("No such file or directory")},
        {PortFailureReason::System, "", QString()},
        {PortFailureReason::PermissionDenied, "Permission denied",
         QStringLiteral("Permission denied\n") + advice},
        {PortFailureReason::PermissionDenied, "", advice},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.system);
        EXPECT_EQ(PortFailureDetail({c.reason, QString::fromLatin1(c.system)}), c.detail);
    }
}

// The core hands on the system's reason without its surrounding blanks; a
// device this user may open (or that does not exist) is no permission case.
TEST(PortStatusText, FailureOfAnOpenableOrMissingDeviceIsTheSystemsReason) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("not-a-tty"));
    QFile(file).open(QIODevice::WriteOnly);
    for (const QString& path : {file, dir.filePath(QStringLiteral("missing"))}) {
        const PortFailure f = PortFailureOf(path, QStringLiteral("  Inappropriate ioctl \n"));
        EXPECT_EQ(f.reason, PortFailureReason::System);
        EXPECT_EQ(f.systemReason, QStringLiteral("Inappropriate ioctl"));
    }
}

// The list's own first item typed back means no port; anything else must be
// a device.
TEST(PortStatusText, TypedNotConnectedIsItemZero) {
    PortList ports(std::vector<PortEntry>{});
    EXPECT_EQ(PortItemForTypedText(ports, QStringLiteral(" Not Connected ")), 0);
    EXPECT_EQ(PortItemForTypedText(ports, QStringLiteral("/dev/lmk17-no-such-tty")), -1);
}

// What a tooltip shows of its text: markup is read, plain text as it is.
QString ShownText(const QString& tip) {
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument doc;
    doc.setHtml(tip);
    return doc.toPlainText();
}

// Each port of the list tells the technician choosing what it is: its
// tooltip (the whole path first), its accessible description and, once
// chosen, the line under the list; the item texts stay the paths.
TEST(OptionsDialog, EachPortIsDescribedWhereItIsChosen) {
    const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00");
    struct Case {
        PortEntry entry;
        QString description;
    };
    const Case cases[] = {
        {{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A50285BI", byId, false},
         "FT232R USB UART, FTDI, serial number A50285BI\nStable name: " + byId},
        {{byId, "FT232R USB UART", "FTDI", "A50285BI", "/dev/ttyUSB0", true},
         "FT232R USB UART, FTDI, serial number A50285BI\nDevice: /dev/ttyUSB0"},
        {{"/dev/ttyS0", "", "", "", "", false}, "No description from the system"},
        // A stable name of a device the system did not report.
        {{"/dev/serial/by-id/usb-Thing-if00", "", "", "", "/dev/ttyACM0", true},
         "No description from the system\nDevice: /dev/ttyACM0"},
        {{"/dev/ttyUSB1", " Prolific ", "Prolific", "", "", false}, "Prolific"},
        // Markup in an adapter's name or a typed path is shown as it is.
        {{"/dev/ttyACM1", "<b>Bridge</b> <img src=x>", "", "", "", false},
         "<b>Bridge</b> <img src=x>"},
        {{"/tmp/<i>pty</i>", "", "", "", "", false}, "No description from the system"},
    };
    std::vector<PortEntry> entries;
    for (const Case& c : cases) entries.push_back(c.entry);
    TCommPortDriver port;
    PortList ports(entries);
    PortConnection connection{port, ports};
    TSettingsForm form{connection, ports, port};
    QComboBox* list = form.PortConnectCmBx();
    ASSERT_EQ(list->count(), int(std::size(cases)) + 1);
    EXPECT_TRUE(form.PortDescriptionLbl()->text().isEmpty());  // " Not Connected"
    for (int item = 1; item <= int(std::size(cases)); ++item) {
        const Case& c = cases[item - 1];
        SCOPED_TRACE(c.entry.devicePath.toStdString());
        EXPECT_EQ(list->itemText(item), " " + c.entry.devicePath);
        EXPECT_EQ(ShownText(list->itemData(item, Qt::ToolTipRole).toString()),
                  c.entry.devicePath + "\n" + c.description);
        EXPECT_EQ(list->itemData(item, Qt::AccessibleDescriptionRole).toString(), c.description);
        list->setCurrentIndex(item);
        EXPECT_EQ(form.PortDescriptionLbl()->text().remove(QChar(0x200B)), c.description);
        EXPECT_EQ(form.PortDescriptionLbl()->textFormat(), Qt::PlainText);
        EXPECT_EQ(list->accessibleDescription(), c.description);
    }
}

TEST(OptionsDialog, ConnectsAndDisconnectsATypedTerminal) {
    OptionsRig rig;
    rig.form.show();
    typePort(rig.form, rig.sim.devicePath());
    ASSERT_TRUE(rig.port.isOpen());
    EXPECT_EQ(PortStatusText(rig.connection.status()),
              rig.sim.devicePath() + " serial port successfully connected.");
    EXPECT_EQ(rig.form.PortConnectCmBx()->currentText(), " " + rig.sim.devicePath());
    EXPECT_TRUE(rig.form.DisconnectBtn()->isVisible());
    EXPECT_FALSE(rig.form.AdvComParCBx()->isEnabled());

    QTest::mouseClick(rig.form.DisconnectBtn(), Qt::LeftButton);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.form.PortConnectCmBx()->currentIndex(), 0);
    EXPECT_EQ(rig.form.PortConnectCmBx()->currentText(), " Not Connected");
    EXPECT_EQ(PortStatusText(rig.connection.status()),
              rig.sim.devicePath() + " serial port disconnected.");
    EXPECT_FALSE(rig.form.DisconnectBtn()->isVisible());
    EXPECT_TRUE(rig.form.AdvComParCBx()->isEnabled());

    // Picking it from the list again connects it again.
    const int item = rig.ports.itemOf(rig.sim.devicePath());
    rig.form.PortConnectCmBx()->setCurrentIndex(item);
    emit rig.form.PortConnectCmBx()->activated(item);
    EXPECT_TRUE(rig.port.isOpen());
}

// A typed path was connected only on Enter: after Tab or a click on Close it
// was silently dropped and the program stayed unconnected.
TEST(OptionsDialog, ATypedPathIsTakenHoweverTheFieldIsLeft) {
    for (Leave leave : {Leave::Return, Leave::Tab, Leave::ClickClose}) {
        SCOPED_TRACE(int(leave));
        OptionsRig rig;
        rig.form.show();
        typePort(rig.form, rig.sim.devicePath(), leave);
        EXPECT_TRUE(rig.port.isOpen());
        EXPECT_EQ(rig.form.PortConnectCmBx()->currentText(), " " + rig.sim.devicePath());
    }
}

TEST(OptionsDialog, APathThatIsNoDeviceConnectsNothing) {
    OptionsRig rig;
    rig.form.show();
    typePort(rig.form, "/dev/lmk17-no-such-port");
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.form.PortConnectCmBx()->currentIndex(), 0);
    EXPECT_TRUE(rig.form.findChild<QLabel*>("SerPortStatusLbl")->text().contains("no such device"));
}

TEST(OptionsDialog, ExpertParametersAfterTheWarning) {
    OptionsRig rig;
    rig.form.show();
    EXPECT_FALSE(rig.form.AdvPCComParPnl()->isEnabled());
    QString warning;
    whenModal([&](QWidget* w) {
        warning = static_cast<QMessageBox*>(w)->text();
        closeBox(w);
    });
    QTest::mouseClick(rig.form.AdvComParCBx(), Qt::LeftButton);
    EXPECT_TRUE(warning.startsWith("Attention! Setting of wrong communication parameters"));
    ASSERT_TRUE(rig.form.SAEdt()->isEnabled());

    struct Case {
        QLineEdit* edit;
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{rig.form.SAEdt(), "45", " 31"}, Case{rig.form.SAEdt(), "x", " 31"},
                          Case{rig.form.SAEdt(), "-3", " 31"}, Case{rig.form.DAEdt(), "7", " 7"}}) {
        c.edit->setFocus();
        c.edit->selectAll();
        QTest::keyClicks(c.edit, c.typed);
        QTest::keyClick(c.edit, Qt::Key_Return);
        EXPECT_EQ(c.edit->text(), c.shown) << c.typed;
    }
    EXPECT_EQ(rig.connection.settings().transmitterAddress, 7);
    EXPECT_TRUE(rig.form.isVisible());  // Enter in an edit does not close the dialog

    rig.form.BaudRateRG()->button(4)->click();
    rig.form.ParityRG()->button(2)->click();
    EXPECT_EQ(rig.connection.settings().baudIndex, 4);
    EXPECT_EQ(rig.connection.settings().parityIndex, 2);
    QTest::mouseClick(rig.form.VychParamBtn(), Qt::LeftButton);
    EXPECT_EQ(rig.connection.settings().baudIndex, 2);
    EXPECT_EQ(rig.connection.settings().parityIndex, 1);
    EXPECT_EQ(rig.form.SAEdt()->text(), " 31");
    EXPECT_EQ(rig.form.DAEdt()->text(), " 0");
}

// The transmitter's communication parameters: what the dialog shows for a
// stored byte and code, and what OK gives back.
TEST(CommunicationDialog, OpensOnStoredValuesAndReturnsTheEdited) {
    struct Case {
        TransmitterCommParams stored;
        const char* shownAddress;
        int shownParity, shownBaud;
        const char* typed;  // nullptr: leave the address
        int pickParity, pickBaud;
        int byte, code;
    };
    const std::vector<Case> cases = {
        {{130, 15}, " 2", 2, 2, nullptr, -1, -1, 130, 15},
        {{192, 15}, " 0", 1, 2, "5", 1, 4, 197, 3},
        {{5, 63}, " 5", 0, 0, "x", -1, -1, 0, 63},
        {{192, 15}, " 0", 1, 2, "45", 0, 5, 31, 1},
    };
    for (const Case& c : cases) {
        TAdresaForm form;
        std::optional<TransmitterCommParams> result;
        QString shownAddress;
        int shownParity = -2, shownBaud = -2;
        whenModal([&](QWidget*) {
            shownAddress = form.DAEdt()->text();
            shownParity = form.ParitaPrevRG()->checkedId();
            shownBaud = form.RychlostPrevRG()->checkedId();
            if (c.typed) {
                form.DAEdt()->selectAll();
                QTest::keyClicks(form.DAEdt(), c.typed);
            }
            if (c.pickParity >= 0) form.ParitaPrevRG()->button(c.pickParity)->click();
            if (c.pickBaud >= 0) form.RychlostPrevRG()->button(c.pickBaud)->click();
            QTest::mouseClick(form.ZpetBtn(), Qt::LeftButton);
        });
        result = form.edit(OpenTransmitterCommDialog(c.stored));
        SCOPED_TRACE(c.shownAddress);
        EXPECT_EQ(shownAddress, c.shownAddress);
        EXPECT_EQ(shownParity, c.shownParity);
        EXPECT_EQ(shownBaud, c.shownBaud);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->addressByte, c.byte);
        EXPECT_EQ(result->baudCode, c.code);
    }
    TAdresaForm form;
    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(form.edit(OpenTransmitterCommDialog({192, 15})).has_value());
}

TEST(ProgressWindow, ShowsTheCableWarningOnlyWhenAskedAndForwardsEscAndClose) {
    QWidget main;
    main.show();
    TPrubehForm progress(&main);
    progress.showProgress("Reading", 40, true);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.windowTitle(), "Reading");
    EXPECT_TRUE(progress.HlaskaLbl()->isVisible());
    EXPECT_EQ(progress.HlaskaLbl()->text(), "Do not Disconnect Communication Cable!");
    progress.stepProgress(12);
    EXPECT_EQ(progress.PrubehG()->value(), 12);
    EXPECT_EQ(progress.PrubehG()->maximum(), 40);
    progress.showProgress("Working time", 3, false);
    EXPECT_FALSE(progress.HlaskaLbl()->isVisible());
    EXPECT_EQ(progress.PrubehG()->value(), 0);

    QSignalSpy breaks(&progress, &TPrubehForm::breakRequested);
    QSignalSpy closes(&progress, &TPrubehForm::closeRequested);
    QTest::keyClick(&progress, Qt::Key_Escape);
    EXPECT_EQ(breaks.count(), 1);
    progress.close();
    EXPECT_EQ(closes.count(), 1);
    EXPECT_TRUE(progress.isVisible());  // only the main window decides about closing
    progress.closeProgress();
    EXPECT_FALSE(progress.isVisible());
}

}  // namespace
}  // namespace lmk17
