// Roads through the main window as a technician walks them: load, edit,
// undo, save; a reading started from another page; typing slips in the
// Tools page; closing while monitoring runs. Each road goes through the
// real windows and the real core, on the software transmitter where it
// talks to one.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <unistd.h>

#include "app/ui/main_form.h"
#include "config/catalogue.h"
#include "config/config_model.h"
#include "config/ui/config_edit.h"
#include "config/ui/input_page.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "link/ui/port_status_text.h"
#include "main_window_rig.h"
#include "monitoring/monitoring_engine.h"
#include "operations/live_readings.h"
#include "operations/output_test_values.h"
#include "operations/transmitter_session.h"
#include "operations/ui/tools_page.h"
#include "ptf_files.h"
#include "stack/transmitter_stack.h"
#include "support/sim_fixture.h"
#include "support/taken_request.h"

namespace lmk17 {
namespace {

using test::InProcessSim;
using test::Shell;
using test::SpinUntil;

// Answers the modal windows of a road in the order they come and keeps a log
// of them: a message box by its text ("box: …"), the file dialog as "file
// dialog" (given `file`, or cancelled when that is empty).
class ModalAnswerer {
public:
    explicit ModalAnswerer(QMessageBox::StandardButton button = QMessageBox::Yes, QString file = {})
        : answer_(button), file_(std::move(file)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(10);
    }
    QStringList log;
    QStringList boxes() const {
        QStringList texts;
        for (const QString& entry : log)
            if (entry.startsWith(QLatin1String("box: "))) texts << entry.mid(5);
        return texts;
    }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            log << QStringLiteral("box: ") + box->text();
            QAbstractButton* b = box->button(answer_);
            if (!b) b = box->button(QMessageBox::Ok);
            b->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            log << QStringLiteral("file dialog");
            // Answered after this slot: a box the dialog itself opens is then
            // answered too.
            if (file_.isEmpty()) {
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            } else {
                test::ChooseFile(dialog, file_);
            }
        }
    }
    QMessageBox::StandardButton answer_;
    QString file_;
    QTimer timer_;
};

TInputPage& InputPageOf(TMainForm& form) {
    return *form.findChild<TInputPage*>();
}

TToolsPage& ToolsPageOf(TMainForm& form) {
    return *form.findChild<TToolsPage*>();
}

// Types into an edit of the window as the user does and leaves it with Enter.
void TypeAndEnter(QLineEdit* edit, const QString& text) {
    QWidget* page = edit->parentWidget();
    while (page && !qobject_cast<QTabWidget*>(page->parentWidget())) page = page->parentWidget();
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
}

// The window gets the keyboard, so that leaving an edit is seen.
void Activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

class LoadedShell : public ::testing::Test {
protected:
    void SetUp() override {
        Activate(*shell.form);
        ptf = shell.home.filePath(QStringLiteral("k8410.ptf"));
        ASSERT_TRUE(test::WriteDefaultPtf(ptf, 1, "K8410H10, FW 1.91", 4711));
    }
    ConfigModel& model() { return shell.stack().model(); }
    TMainForm& form() { return *shell.form; }
    TConfigEdit* edit(EditField field) { return InputPageOf(form()).edit(field); }

    Shell shell;
    QString ptf;
};

// The first Load after the start unlocks what needs a configuration, whatever
// road it took.
TEST_F(LoadedShell, FirstLoadUnlocksTheConfigurationCommands) {
    enum class Road { Menu, Button, Drop };
    for (const Road road : {Road::Menu, Road::Button, Road::Drop}) {
        SCOPED_TRACE(int(road));
        Shell fresh;
        TMainForm& f = *fresh.form;
        ASSERT_FALSE(f.SaveConfMnu->isEnabled());
        ModalAnswerer answers(QMessageBox::Yes, ptf);
        if (road == Road::Menu) f.LoadConfMnu->trigger();
        if (road == Road::Button) f.DiskLoadBtn->click();
        if (road == Road::Drop) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(ptf)});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(&f, &enter);
            ASSERT_TRUE(enter.isAccepted());
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&f, &drop);
        }
        ASSERT_EQ(fresh.stack().model().config().SerialNumber, 4711);
        for (QAction* a : {f.SaveConfMnu, f.WriteConfMnu, f.PrintConfMnu, f.ZaklKonfigMnu,
                           f.ConfigRetMnu, f.PVReadMnu, f.WorkTimeMnu})
            EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
        for (QPushButton* b : {f.PrevodnikSaveBtn, f.DiskSaveBtn, f.PrintBtn})
            EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        EXPECT_TRUE(f.page(TMainForm::InputPage)->isEnabled());
        EXPECT_TRUE(f.page(TMainForm::InformationPage)->isEnabled());
    }
}

// The user note typed and left is a change: the title says so, undo takes it
// back, and the next Load asks before it opens the file dialog.
TEST_F(LoadedShell, UserNoteIsAChangeAsked) {
    form().loadCommandLineFiles({ptf});
    QLineEdit* note = InputPageOf(form()).UsrLabelEdt;
    note->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(note, QStringLiteral("TANK 7"));
    edit(EditField::DampEdt)->setFocus(Qt::TabFocusReason);  // the note is left
    QApplication::processEvents();
    EXPECT_EQ(model().config().UserNote, QByteArray("TANK 7"));
    EXPECT_TRUE(form().windowTitle().startsWith('*'));
    EXPECT_TRUE(form().ZpetMnu->isEnabled());

    ModalAnswerer no(QMessageBox::No, ptf);
    form().LoadConfMnu->trigger();
    EXPECT_EQ(no.log, QStringList{"box: Changes were not saved. Continue?"});
    EXPECT_EQ(model().config().UserNote, QByteArray("TANK 7"));

    form().ZpetMnu->trigger();
    EXPECT_TRUE(model().config().UserNote.isEmpty());
}

// A value the checks refused never reaches an undo copy nor the title's mark,
// and Save checks before it asks for a file.
TEST_F(LoadedShell, RefusedValueReachesNeitherUndoNorTheTitle) {
    form().loadCommandLineFiles({ptf});
    const TransmitterConfig loaded = model().config();
    const QString lower = edit(EditField::LOEdt)->text().trimmed();
    const QString upper = edit(EditField::HIEdt)->text().trimmed();
    {
        // A value beyond the input range is refused; put back as it was,
        // nothing changed.
        ModalAnswerer ok;
        TypeAndEnter(edit(EditField::LOEdt), QStringLiteral("999999"));
        EXPECT_EQ(ok.boxes().size(), 1);
        TypeAndEnter(edit(EditField::LOEdt), lower);
    }
    EXPECT_FALSE(model().unsavedChanges());
    EXPECT_FALSE(form().windowTitle().startsWith('*'));
    EXPECT_FALSE(form().ZpetMnu->isEnabled());

    // Upper changed (accepted), lower refused, lower back, undo: the record
    // before the upper change, no corrupt-configuration preset.
    const double newUpper = (lower.toDouble() + upper.toDouble()) / 2;
    ModalAnswerer ok;
    TypeAndEnter(edit(EditField::HIEdt), QString::number(newUpper));
    TypeAndEnter(edit(EditField::LOEdt), QStringLiteral("999999"));
    TypeAndEnter(edit(EditField::LOEdt), lower);
    ASSERT_EQ(ok.boxes().size(), 1) << ok.log.join('|').toStdString();
    EXPECT_TRUE(form().windowTitle().startsWith('*'));
    form().ZpetMnu->trigger();
    EXPECT_EQ(ok.boxes().size(), 1) << ok.log.join('|').toStdString();
    EXPECT_DOUBLE_EQ(model().config().UpperRangeValue, loaded.UpperRangeValue);
    EXPECT_DOUBLE_EQ(model().config().LowerRangeValue, loaded.LowerRangeValue);

    // A refused text still in its edit: Save refuses before any file dialog.
    ModalAnswerer save(QMessageBox::Yes, shell.home.filePath(QStringLiteral("out.ptf")));
    TypeAndEnter(edit(EditField::LOEdt), QStringLiteral("999999"));
    form().SaveConfMnu->trigger();
    EXPECT_FALSE(save.log.contains(QStringLiteral("file dialog")))
        << save.log.join('|').toStdString();
    EXPECT_FALSE(QFile::exists(shell.home.filePath(QStringLiteral("out.ptf"))));
}

// A port that cannot be opened at start-up: the status line gives the
// system's reason and, without the permission, the group and the command.
TEST_F(LoadedShell, PortThatCannotBeOpenedSaysWhyOnTheStatusLine) {
    struct Case {
        const char* name;
        QFile::Permissions permissions;
        bool needsGroup;
    };
    const Case cases[] = {
        {"not a serial device", QFile::ReadOwner | QFile::WriteOwner, false},
        {"no permission", {}, true},
    };
    auto* status = form().findChild<QLabel*>(QStringLiteral("MainStatusLbl"));
    ASSERT_TRUE(status);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsGroup && ::geteuid() == 0) continue;  // root may open anything
        const QString device = shell.home.filePath(QString::fromLatin1(c.name).replace(' ', '_'));
        QFile file(device);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        file.setPermissions(c.permissions);
        EXPECT_FALSE(shell.stack().connection().connectDevice(device));
        const QString failed = PortStatusText(shell.stack().connection().status());
        EXPECT_TRUE(status->text().startsWith(failed + ' ')) << status->text().toStdString();
        EXPECT_GT(status->text().size(), failed.size() + 2);
        EXPECT_EQ(status->text().contains("sudo usermod -aG dialout $USER"), c.needsGroup)
            << status->text().toStdString();
    }
}

// Every edit, list and button a page shows has a name of its own for a
// screen reader: none without one, no two alike on one page.
TEST_F(LoadedShell, EveryInputOfAPageHasItsOwnAccessibleName) {
    form().loadCommandLineFiles({ptf});
    const TMainForm::Page pages[] = {TMainForm::InputPage, TMainForm::OutputPage,
                                     TMainForm::InformationPage, TMainForm::ToolsPage,
                                     TMainForm::MonitoringPage};
    for (const TMainForm::Page page : pages) {
        SCOPED_TRACE(int(page));
        form().Zalozka()->setCurrentWidget(form().page(page));
        QApplication::processEvents();
        QMap<QString, QString> owner;  // accessible name -> object name
        for (QWidget* w : form().page(page)->findChildren<QWidget*>()) {
            const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                               qobject_cast<QAbstractButton*>(w) ||
                               qobject_cast<QAbstractItemView*>(w);
            if (!input || !w->isVisibleTo(form().page(page)) ||
                qobject_cast<QLineEdit*>(w->parentWidget()) ||
                qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_TRUE(a);
            const QString name = a->text(QAccessible::Name).trimmed();
            EXPECT_FALSE(name.isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
            if (name.isEmpty()) continue;
            EXPECT_FALSE(owner.contains(name))
                << name.toStdString() << ": " << owner.value(name).toStdString() << " and "
                << w->objectName().toStdString();
            owner.insert(name, w->objectName());
        }
    }
}

// Every signal the stack, the session and the model declare is heard by
// someone once the main window stands: a signal nobody hears is a window
// that never updates. (Asked by disconnecting, the one public way to ask:
// the window is not used afterwards.)
TEST_F(LoadedShell, EverySignalOfTheCoreHasAListener) {
    // What a command waits for or prints; no window shows it.
    const QSet<QByteArray> forCommands = {
        "operationEnded(OperationOutcome)", "pvReadingDone(PvReadingResult)",
        "cjReadingDone(QString)", "workingTimeDone(int,QString)",
        // Heard by the linearization editor from its first opening on.
        "linearizationTablesCleared()"};
    TransmitterStack& stack = shell.stack();
    const QObject* objects[] = {&stack, &stack.session(), &stack.model(), &stack.live()};
    for (const QObject* object : objects) {
        const QMetaObject* meta = object->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() != QMetaMethod::Signal) continue;
            if (forCommands.contains(method.methodSignature())) continue;
            EXPECT_TRUE(QObject::disconnect(object, method, nullptr, QMetaMethod()))
                << meta->className() << "::" << method.methodSignature().toStdString();
        }
    }
}

// On the software transmitter.
class JourneyOnSim : public ::testing::Test {
protected:
    void SetUp() override {
        shell = std::make_unique<Shell>();
        Activate(*shell->form);
        ASSERT_TRUE(shell->stack().connection().connectDevice(sim.devicePath()));
        QObject::connect(&sim.line(), &sim::SimLine::requestTaken, [this](const QByteArray& f) {
            sim::SimRequest r;
            if (sim::ParseRequest(f, r)) taken.push_back(test::TakenRequest::Of(r));
        });
    }
    void TearDown() override {
        if (shell->stack().monitoring().active()) shell->stack().engine().StopOperation();
    }
    TMainForm& form() { return *shell->form; }
    bool waitIdle(int ms = 20000) {
        return SpinUntil([this] { return shell->stack().idle(); }, ms);
    }
    bool read() {
        ModalAnswerer yes;
        form().PrevodnikLoadBtn->click();
        return waitIdle() && shell->stack().model().hasConfiguration();
    }
    QList<double> writtenTestValues() const {
        QList<double> values;
        for (const test::TakenRequest& r : taken)
            if (r.operation == 2 && r.parameter == 220) values << r.floatValue();
        return values;
    }

    InProcessSim sim;
    std::vector<test::TakenRequest> taken;
    std::unique_ptr<Shell> shell;
};

// The page of a command comes forward, whatever page was shown.
TEST_F(JourneyOnSim, CommandsBringTheirPageForward) {
    ASSERT_TRUE(read());
    const QString file = shell->home.filePath(QStringLiteral("saved.ptf"));
    ASSERT_TRUE(test::WriteDefaultPtf(file, 28, "K8620L20, FW 1.91", 12));
    struct Road {
        const char* what;
        std::function<void()> go;
        TMainForm::Page page;
    };
    const std::vector<Road> roads = {
        {"Read", [&] { form().PrevodnikLoadBtn->click(); }, TMainForm::InputPage},
        {"Write", [&] { form().PrevodnikSaveBtn->click(); }, TMainForm::InputPage},
        {"Set Default", [&] { form().ZaklKonfigMnu->trigger(); }, TMainForm::InputPage},
        {"Load", [&] { form().DiskLoadBtn->click(); }, TMainForm::InputPage},
        {"Working time (F8)", [&] { form().WorkTimeMnu->trigger(); }, TMainForm::InformationPage},
        {"PV (F4)", [&] { form().PVReadMnu->trigger(); }, TMainForm::ToolsPage},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.what);
        const TMainForm::Page from =
            road.page == TMainForm::ToolsPage ? TMainForm::OutputPage : TMainForm::ToolsPage;
        form().Zalozka()->setCurrentIndex(from);
        ASSERT_EQ(form().Zalozka()->currentIndex(), from);
        ModalAnswerer yes(QMessageBox::Yes, file);
        road.go();
        EXPECT_EQ(form().Zalozka()->currentIndex(), road.page);
        ASSERT_TRUE(waitIdle());
        EXPECT_EQ(form().Zalozka()->currentIndex(), road.page);
    }
}

// Showing the Tools page starts its live fields afresh.
TEST_F(JourneyOnSim, ToolsPageStartsAfreshWhenShown) {
    ASSERT_TRUE(read());
    TToolsPage& tools = ToolsPageOf(form());
    form().Zalozka()->setCurrentIndex(TMainForm::ToolsPage);
    tools.PVReadBtn->click();
    ASSERT_TRUE(waitIdle());
    ASSERT_NE(tools.PVLbl->text(), QStringLiteral("0"));
    form().Zalozka()->setCurrentIndex(TMainForm::InputPage);
    form().Zalozka()->setCurrentIndex(TMainForm::ToolsPage);
    EXPECT_EQ(tools.PVLbl->text(), QStringLiteral("0"));
    EXPECT_EQ(tools.VProudLbl->text(), QStringLiteral("0.000 mA"));
    EXPECT_EQ(tools.HodnTemperCJLbl->text(), QString::fromUtf8("°C"));
    EXPECT_EQ(tools.VystProudGg->value(), 0);
    EXPECT_FALSE(tools.RezTPrLbl->isVisible());
}

// A slip in a numeric field of the Tools page is refused with a message, the
// last value stays, and nothing else goes to the loop.
TEST_F(JourneyOnSim, TypingSlipsInTheToolsPageAreRefused) {
    ASSERT_TRUE(read());
    form().Zalozka()->setCurrentIndex(TMainForm::ToolsPage);
    TToolsPage& tools = ToolsPageOf(form());
    struct Field {
        QLineEdit* edit;
        const char* typed;
    };
    const std::vector<Field> slips = {
        {tools.TPrHodnEdt[0], "12mA"}, {tools.TPrHodnEdt[0], "l2"},  {tools.TPrHodnEdt[0], "1e9"},
        {tools.TPrHodnEdt[1], ""},     {tools.VstPeriodaEdt, "abc"}, {tools.VstPeriodaEdt, "-3"},
        {tools.TPrPeriodaEdt, "1e9"},  {tools.TPrPeriodaEdt, "0,1"},
    };
    for (const Field& slip : slips) {
        SCOPED_TRACE(slip.typed);
        const QString before = slip.edit->text();
        ModalAnswerer ok;
        TypeAndEnter(slip.edit, QString::fromLatin1(slip.typed));
        EXPECT_EQ(ok.boxes().size(), 1);
        EXPECT_EQ(slip.edit->text(), before);
    }
    // The first value as it stood before the slips goes to the loop.
    const ConfigModel& model = shell->stack().model();
    const OutputTypeEntry& output = *OutputTypeOf(model.identity().typeIndex);
    const double kept = tools.TPrHodnEdt[0]->text().toDouble() / output.k;
    tools.TPrHodnRBtn[0]->click();
    tools.TPrGoBtn->click();
    ASSERT_TRUE(waitIdle());
    const QList<double> written = writtenTestValues();
    ASSERT_EQ(written.size(), 1);
    EXPECT_NEAR(written.front(),
                TestValueToSend(kept, model.firmwareNumber(), model.config(), output), 1e-6);
}

// "&Exit" (Ctrl+X) while monitoring runs says why it does not close, as the
// close box does.
TEST_F(JourneyOnSim, ExitDuringMonitoringSaysWhy) {
    ASSERT_TRUE(read());
    {
        ModalAnswerer yes;
        form().MonStartMnu->trigger();
        ASSERT_TRUE(SpinUntil([&] { return shell->stack().monitoring().active(); }, 10000));
    }
    EXPECT_EQ(form().Zalozka()->currentIndex(), TMainForm::MonitoringPage);
    ASSERT_TRUE(form().ExitMnu->isEnabled());
    ModalAnswerer ok;
    form().ExitMnu->trigger();
    EXPECT_EQ(ok.boxes(), QStringList{"The program is in monitoring mode. Stop the monitoring "
                                      "before closing the application."});
    EXPECT_TRUE(form().isVisible());
}

}  // namespace
}  // namespace lmk17
