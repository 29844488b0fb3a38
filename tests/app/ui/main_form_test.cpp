#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include "app/settings_store.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_form.h"
#include "config/config_model.h"
#include "linearization/ui/linear_form.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "link/ui/prubeh_form.h"
#include "main_window_rig.h"
#include "monitoring/monitoring_engine.h"
#include "operations/transmitter_session.h"
#include "ptf_files.h"
#include "stack/transmitter_stack.h"
#include "support/cli_process.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

using test::BoxAnswerer;
using test::InProcessSim;
using test::Shell;
using test::SpinUntil;

// Without a configuration exactly these commands are disabled, and the
// command table has its texts (as shown, whatever the mnemonic) and shortcuts.
TEST(MainWindow, StartsWithTheCommandTableAndTheInitialDisabledSet) {
    Shell shell;
    TMainForm& f = *shell.form;
    EXPECT_EQ(f.windowTitle(),
              "  LMK-17 - Customer Setup Program for K8410 and K8620 Transmitters");
    EXPECT_EQ(f.Zalozka()->currentIndex(), TMainForm::InputPage);
    struct Command {
        QAction* action;
        const char* text;
        const char* key;
        bool enabled;
    };
    const std::vector<Command> table = {
        {f.LoadConfMnu, "Load Configuration", "Ctrl+L", true},
        {f.SaveConfMnu, "Save Configuration", "Ctrl+S", false},
        {f.PrintConfMnu, "Print Configuration", "Ctrl+P", false},
        {f.ExitMnu, "Exit", "Ctrl+X", true},
        {f.ZpetMnu, "Undo", "Ctrl+Z", false},
        {f.ReadConfMnu, "Read Configuration", "F5", true},
        {f.WriteConfMnu, "Write Configuration", "F6", false},
        {f.ZaklKonfigMnu, "Set Default Configuration", "", false},
        {f.ConfigRetMnu, "View Ordering Code", "F7", false},
        {f.WorkTimeMnu, "Read Working Time", "F8", false},
        {f.PVReadMnu, "Read Primary Variable Value", "F4", false},
        {f.CJReadMnu, "Read Cold Junction Temperature", "", false},
        {f.MonStartMnu, "Monitoring START", "Ctrl+M", true},
        {f.MonGraphMnu, "View the Monitoring Graph", "Ctrl+G", true},
        {f.OptionsMnu, "Options", "", true},
        {f.ContentsMnu, "Contents", "", true},  // F1: the topic of the focus
        {f.IndexMnu, "Index", "Ctrl+F1", true},
        {f.AboutMnu, "About ...", "", true},
    };
    for (const Command& c : table) {
        EXPECT_EQ(QString(c.action->text()).remove(QLatin1Char('&')), c.text);  // any mnemonic
        EXPECT_EQ(c.action->shortcut().toString(), c.key) << c.text;
        EXPECT_EQ(c.action->isEnabled(), c.enabled) << c.text;
    }
    for (QPushButton* b : {f.PrevodnikSaveBtn, f.DiskSaveBtn, f.PrintBtn})
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    for (QPushButton* b : {f.PrevodnikLoadBtn, f.DiskLoadBtn, f.PrinterSetupBtn, f.AdresaBtn})
        EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
    EXPECT_FALSE(f.page(TMainForm::InputPage)->isEnabled());
    EXPECT_FALSE(f.page(TMainForm::InformationPage)->isEnabled());
    EXPECT_TRUE(f.page(TMainForm::OutputPage)->isEnabled());
    EXPECT_EQ(f.PrevodnikLoadBtn->toolTip(), " Read Configuration from Transmitter ");
}

// A fresh start writes every section at close; a stored position off the
// screen is replaced by the centred one.
TEST(MainWindow, CloseWritesTheSettingsFileAndPlacementIsChecked) {
    Shell shell("[Window]\nMain_X_Position=-5\nMain_Y_Position=3\n[Monitor]\nInterval=500\n");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Centred (the frame's borders, estimated before the window shows, aside).
    EXPECT_NEAR(shell.form->x(), screen.x() + (screen.width() - shell.form->width()) / 2, 8);
    EXPECT_EQ(shell.form->y(), 3);
    BoxAnswerer yes(QMessageBox::Yes);
    EXPECT_TRUE(shell.form->close());
    ASSERT_EQ(yes.texts, QStringList{"Do you really want to close application?"});
    IniFile written;
    ASSERT_TRUE(written.load(shell.store.path()));
    for (const char* section : {"Language", "Window", "Directory", "Monitor", "SerialPort"})
        EXPECT_TRUE(written.hasSection(section) || QString(section) == "SerialPort") << section;
    EXPECT_EQ(written.value("Monitor", "Interval", ""), "1000");  // clamped as typed
    // " Not Connected": no port is written
    EXPECT_FALSE(written.hasKey("SerialPort", "COM"));
}

// Two configuration files on the command line: both are loaded in order,
// the second stands, and the commands are enabled after each.
TEST(MainWindow, LoadsTheCommandLineFilesInOrder) {
    Shell shell;
    ConfigModel& model = shell.stack().model();
    struct File {
        int type;
        const char* typeText;
        qint32 serial;
        const char* name;
    };
    QStringList files;
    for (const File& f : {File{1, "K8410H10, FW 1.91", 111, "first.ptf"},
                          File{28, "K8620L20, FW 1.91", 222, "SECOND.PTF"}}) {
        files << shell.home.filePath(f.name);
        ASSERT_TRUE(test::WriteDefaultPtf(files.back(), f.type, f.typeText, f.serial));
    }
    shell.form->loadCommandLineFiles(files);
    EXPECT_EQ(model.config().SerialNumber, 222);
    EXPECT_EQ(model.identity().typeIndex, 28);
    EXPECT_TRUE(shell.form->WriteConfMnu->isEnabled());
    EXPECT_TRUE(shell.form->page(TMainForm::InputPage)->isEnabled());
    EXPECT_TRUE(shell.form->ReadConfMnu->isEnabled());

    // A linearization file opens in the editor of the configuration that
    // stands, when its input range takes a customer linearization; else a
    // message says why it was not opened.
    const QString lin = shell.home.filePath("curve.LIN");
    QFile curve(lin);
    ASSERT_TRUE(curve.open(QIODevice::WriteOnly));
    curve.write(
        "[type]\r\ninput_range=74\r\nVERSION= Lin-1.0 \r\n[Linearization]\r\n"
        "LinPointsNum=2\r\nDisplay_Configuration=1\r\nLinPoint_X01=4\r\n"
        "LinPoint_Y01=0\r\nLinPoint_X02=20\r\nLinPoint_Y02=100\r\n");
    curve.close();
    const QString customer = shell.home.filePath("customer.ptf");
    ASSERT_TRUE(test::WriteCustomerLinearizationPtf(customer));
    struct Case {
        QString configuration;
        bool editorOpens;
    };
    for (const Case& c : {Case{files.front(), false}, Case{customer, true}}) {
        SCOPED_TRACE(c.configuration.toStdString());
        BoxAnswerer boxes(QMessageBox::Yes);
        int loadedPoints = -1;
        QTimer editor;
        QObject::connect(&editor, &QTimer::timeout, [&] {
            if (auto* form = qobject_cast<TLinearForm*>(QApplication::activeModalWidget())) {
                loadedPoints = form->editor().data().LinPoints.count;
                form->reject();
            }
        });
        editor.start(10);
        shell.form->loadCommandLineFiles({c.configuration}, {lin});
        EXPECT_EQ(loadedPoints, c.editorOpens ? 2 : -1);
        EXPECT_EQ(boxes.texts.filter("was not opened").size(), c.editorOpens ? 0 : 1)
            << boxes.texts.join('|').toStdString();
    }
}

// F1 opens the help topic of what has the focus: the page shown, or the
// group or button with a context of its own.
TEST(MainWindow, F1OpensTheTopicOfThePageOrControl) {
    // The help as an installed program finds it, in the program's data folder.
    QTemporaryDir data;
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ASSERT_TRUE(QDir().mkpath(appData));
    ASSERT_TRUE(QFile::link(QStringLiteral(LMK17_PROGRAM_DIR "/lmk17en"), appData + "/lmk17en"));
    Shell shell;
    qputenv("XDG_DATA_HOME", oldHome);
    TMainForm& f = *shell.form;
    const QString ptf = shell.home.filePath("k8620.ptf");
    ASSERT_TRUE(test::WriteCustomerLinearizationPtf(ptf));  // Linearization enabled
    f.loadCommandLineFiles({ptf});
    auto* viewer = f.findChild<HelpViewer*>();
    ASSERT_TRUE(viewer);
    auto* page = viewer->findChild<QTextBrowser*>(QStringLiteral("HelpPage"));

    struct Case {
        TMainForm::Page tab;
        const char* focus;  // the control with the focus; none: the page itself
        const char* topic;
    };
    const std::vector<Case> cases = {
        {TMainForm::InputPage, nullptr, "input_page.html#input"},
        {TMainForm::InputPage, "SL1Edt", "input_page.html#comparators"},
        {TMainForm::InputPage, "LinearBtn", "linearization.html#editor"},
        {TMainForm::OutputPage, nullptr, "output_page.html#output"},
        {TMainForm::InformationPage, nullptr, "information_page.html#information"},
        {TMainForm::ToolsPage, nullptr, "tools_page.html#pv"},
        {TMainForm::ToolsPage, "ProCasBtn", "information_page.html#working-time"},
        {TMainForm::MonitoringPage, nullptr, "monitoring.html#monitoring"},
        {TMainForm::MonitoringPage, "MonParamBtn", "monitoring.html#parameters"},
        {TMainForm::MonitoringPage, "PrevodnikLoadBtn", "read_write.html#read"},
        {TMainForm::OutputPage, "DiskSaveBtn", "files.html#save"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        f.Zalozka()->setCurrentIndex(c.tab);
        QWidget* target = c.focus ? f.findChild<QWidget*>(c.focus) : f.page(c.tab);
        ASSERT_TRUE(target);
        target->setFocus();
        ASSERT_EQ(f.focusWidget(), target);
        QTest::keyClick(target, Qt::Key_F1);
        EXPECT_TRUE(viewer->isVisible());
        const QUrl shown = page->source();
        EXPECT_EQ(shown.fileName() + "#" + shown.fragment(), c.topic);
        viewer->hide();
    }
}

// A .ptf dropped on the window loads as Load does (other files are refused
// at the door), and the title bar marks unsaved changes.
TEST(MainWindow, DroppedFileLoadsAndTitleMarksUnsavedChanges) {
    Shell shell;
    BoxAnswerer boxes(QMessageBox::Yes);  // the load reports how it went
    ConfigModel& model = shell.stack().model();
    const QString ptf = shell.home.filePath("Dropped.PTF");
    ASSERT_TRUE(test::WriteDefaultPtf(ptf, 28, "K8620L20, FW 1.91", 333));
    const auto drop = [&](const QString& file) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(shell.form.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(shell.form.get(), &dropped);
        return true;
    };
    EXPECT_FALSE(drop(shell.home.filePath("notes.txt")));
    ASSERT_TRUE(drop(ptf));
    EXPECT_EQ(model.config().SerialNumber, 333);
    EXPECT_FALSE(shell.form->windowTitle().startsWith('*'));
    model.setUnsavedChanges(true);
    EXPECT_TRUE(shell.form->windowTitle().startsWith('*'));
}

// On the software transmitter: read (F5), the states after it, and what a
// running operation refuses.
class MainWindowOnSim : public ::testing::Test {
protected:
    void SetUp() override {
        shell = std::make_unique<Shell>();
        ASSERT_TRUE(shell->stack().connection().connectDevice(sim.devicePath()));
    }
    void TearDown() override {
        if (shell->stack().monitoring().active()) shell->stack().engine().StopOperation();
    }
    bool running() { return shell->stack().engine().operation().running(); }
    bool waitIdle(int ms = 20000) {
        return SpinUntil([this] { return !running(); }, ms);
    }
    // "Read" (F5 does the same; shortcuts need an active window, which the
    // offscreen platform does not give).
    void pressF5() { QTest::mouseClick(shell->form->PrevodnikLoadBtn, Qt::LeftButton); }

    InProcessSim sim;
    std::unique_ptr<Shell> shell;
};

TEST_F(MainWindowOnSim, ReadingEnablesTheConfigurationCommands) {
    TMainForm& f = *shell->form;
    BoxAnswerer yes(QMessageBox::Yes);
    pressF5();
    EXPECT_TRUE(running());
    EXPECT_FALSE(f.DiskLoadBtn->isEnabled());  // commands disabled while it runs
    EXPECT_EQ(f.cursor().shape(), Qt::WaitCursor);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(f.PrubehForm()->isVisible());
    EXPECT_TRUE(shell->stack().model().hasConfiguration());
    for (QAction* a : {f.SaveConfMnu, f.WriteConfMnu, f.ZaklKonfigMnu, f.ConfigRetMnu, f.PVReadMnu})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(f.PrevodnikSaveBtn->isEnabled());
    EXPECT_TRUE(f.page(TMainForm::InputPage)->isEnabled());
    EXPECT_TRUE(f.DiskLoadBtn->isEnabled());

    // Set Default Configuration keeps them enabled and offers undo.
    f.ZaklKonfigMnu->trigger();
    EXPECT_TRUE(f.WriteConfMnu->isEnabled());
    EXPECT_TRUE(f.ZpetMnu->isEnabled());
}

TEST_F(MainWindowOnSim, TabsStayWhileAnOperationRunsAndEscBreaksIt) {
    sim.line().setAnswerDelay(300);
    TMainForm& f = *shell->form;
    BoxAnswerer yes(QMessageBox::Yes);
    pressF5();
    ASSERT_TRUE(running());
    f.Zalozka()->setCurrentIndex(TMainForm::OutputPage);
    EXPECT_EQ(f.Zalozka()->currentIndex(), TMainForm::InputPage);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(yes.texts.contains("Do you really want to break operation?"));
    EXPECT_FALSE(running());
    EXPECT_FALSE(f.PrubehForm()->isVisible());
    EXPECT_TRUE(f.DiskLoadBtn->isEnabled());
    f.Zalozka()->setCurrentIndex(TMainForm::OutputPage);
    EXPECT_EQ(f.Zalozka()->currentIndex(), TMainForm::OutputPage);
}

// Closing during an operation pauses it behind the question; No lets it
// finish.
TEST_F(MainWindowOnSim, CloseQuestionNoResumesThePausedOperation) {
    sim.line().setAnswerDelay(60);
    TMainForm& f = *shell->form;
    {
        BoxAnswerer yes(QMessageBox::Yes);  // the unsaved-changes question, if any
        pressF5();
    }
    ASSERT_TRUE(SpinUntil([&] { return f.PrubehForm()->isVisible(); }, 5000));
    BoxAnswerer no(QMessageBox::No);
    bool progressHidden = false, questionOpen = false;
    no.also = [&] {
        progressHidden = !f.PrubehForm()->isVisible();
        questionOpen = shell->stack().engine().questionOpen();
    };
    EXPECT_FALSE(f.close());
    EXPECT_EQ(no.texts, QStringList{"Do you really want to close application?"});
    EXPECT_TRUE(progressHidden);
    EXPECT_TRUE(questionOpen);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.PrubehForm()->isVisible());
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(shell->stack().session().lastOutcome(), OperationOutcome::Completed);
}

// A monitoring run whose transmitter's line goes away (the simulator ended)
// goes on: the status bar says the port is lost and being reopened, and once
// the line is back on the same name the port is connected again and the run
// records again.
TEST(MainWindow, MonitoringRunSurvivesALostPortAndTheStatusFollows) {
    QTemporaryDir dir;
    const QString link = dir.filePath("line");
    auto sim = std::make_unique<test::SimProcess>();
    ASSERT_TRUE(sim->start({"--link", link}));
    Shell shell;
    BoxAnswerer yes(QMessageBox::Yes);
    PortConnection& connection = shell.stack().connection();
    ASSERT_TRUE(connection.connectDevice(link));
    const int item = connection.selectedItem();
    auto* status = shell.form->findChild<QLabel*>("MainStatusLbl");
    MonitoringEngine& monitoring = shell.stack().monitoring();
    MonitorParameters p = monitoring.parameters();
    p.intervalMs = 1000;
    p.logToFile = false;
    monitoring.setParameters(p);
    auto* log = shell.form->findChild<QPlainTextEdit*>("MonMemo");
    const QRegularExpression record("^\\d{6} \\d{6} ", QRegularExpression::MultilineOption);
    const auto records = [&] { return int(log->toPlainText().count(record)); };
    ASSERT_TRUE(monitoring.startMonitoring());
    ASSERT_TRUE(SpinUntil([&] { return records() > 0; }, 10000));

    sim->terminate();
    ASSERT_TRUE(SpinUntil([&] { return monitoring.portLost(); }, 10000));
    EXPECT_EQ(status->text(), link + " serial port lost; monitoring tries to reopen it every 2 s.");
    sim = std::make_unique<test::SimProcess>();
    ASSERT_TRUE(sim->start({"--link", link}));
    ASSERT_TRUE(SpinUntil([&] { return !monitoring.portLost(); }, 10000));
    EXPECT_TRUE(monitoring.active());
    EXPECT_EQ(connection.selectedItem(), item);
    EXPECT_EQ(status->text(), link + " serial port successfully connected.");
    const int before = records();
    EXPECT_TRUE(SpinUntil([&] { return records() > before; }, 5000));
    EXPECT_TRUE(yes.texts.isEmpty()) << yes.texts.join('|').toStdString();
    monitoring.stopMonitoring();
}

TEST_F(MainWindowOnSim, CloseIsRefusedWhileMonitoring) {
    TMainForm& f = *shell->form;
    BoxAnswerer yes(QMessageBox::Yes);
    ASSERT_TRUE(shell->stack().monitoring().startMonitoring());
    ASSERT_TRUE(SpinUntil([&] { return shell->stack().monitoring().active(); }, 10000));
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(yes.texts.contains(
        "The program is in monitoring mode. Stop the monitoring before closing the application."));
    EXPECT_FALSE(yes.texts.contains("Do you really want to close application?"));
    EXPECT_TRUE(f.isVisible());
    // Any page other than Monitoring gives way to it while monitoring runs.
    f.Zalozka()->setCurrentIndex(TMainForm::OutputPage);
    EXPECT_EQ(f.Zalozka()->currentIndex(), TMainForm::MonitoringPage);
}

}  // namespace
}  // namespace lmk17
