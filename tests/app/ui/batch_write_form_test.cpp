// Transmitter › "Write to Several Transmitters…" on the software transmitter:
// a loaded file written into the units of an address list, their results
// listed, the protocols kept; Cancel between two units ends the batch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "app/ui/batch_write_form.h"
#include "app/ui/main_form.h"
#include "link/port_connection.h"
#include "main_window_rig.h"
#include "ptf_files.h"
#include "stack/transmitter_stack.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

sim::LineOptions Units(const std::vector<int>& addresses) {
    sim::LineOptions o;
    for (const int a : addresses) {
        sim::TransmitterProfile t = InProcessSim::Transmitter(a, "K8620L20", 191);
        t.serial = 1000 + a;
        o.transmitters.push_back(t);
    }
    return o;
}

// Drives the window once it shows: fills it in and presses Start, lets
// `whileRunning` act on it, and when the batch has ended keeps what it shows
// and closes it.
struct BatchWatcher {
    explicit BatchWatcher(const QString& addresses,
                          std::function<void(TBatchWriteForm&)> whileRunning = {}) {
        QObject::connect(&timer_, &QTimer::timeout, [this, addresses, whileRunning] {
            auto* form = qobject_cast<TBatchWriteForm*>(QApplication::activeModalWidget());
            if (!form) return;
            if (!shown) {
                shown = true;
                startEnabledEmpty = form->StartBtn()->isEnabled();
                form->AddressesEdt()->setText(QStringLiteral("1-40"));
                refusal = form->AddressesMsgLbl()->text();
                form->AddressesEdt()->setText(addresses);
                if (!folder.isEmpty()) form->BrowseBtn()->click();
                form->AskEachChk()->setChecked(askEach);
                if (whileRunning)
                    QObject::connect(&form->batch(), &BatchWriter::unitFinished, form,
                                     [form, whileRunning] { whileRunning(*form); });
                form->StartBtn()->click();
                return;
            }
            if (form->batch().running()) return;
            timer_.stop();
            for (int r = 0; r < form->UnitsTbl()->rowCount(); ++r)
                rows << QStringList{form->UnitsTbl()->item(r, 0)->text(),
                                    form->UnitsTbl()->item(r, 1)->text(),
                                    form->UnitsTbl()->item(r, 2)->text()};
            summary = form->SummaryLbl()->text();
            form->CloseBtn()->click();
        });
        timer_.start(20);
    }
    QString folder;  // chosen with "Browse…" (the box answerer gives it)
    bool askEach = true;
    bool shown = false;
    bool startEnabledEmpty = true;
    QString refusal;
    QList<QStringList> rows;
    QString summary;

private:
    QTimer timer_;
};

struct BatchShell {
    explicit BatchShell(const std::vector<int>& addresses) : sim(Units(addresses)) {
        ptf = shell.home.filePath("tt-101.ptf");
        protocols = shell.home.filePath("protocols");
        QDir().mkpath(protocols);
    }
    // The file loaded as the user loads it, the port connected.
    bool load(BoxAnswerer& answerer, bool change = true) {
        if (!WriteDefaultPtf(ptf, 28, "K8620L20, FW 1.91", 12)) return false;
        answerer.file = ptf;
        shell.form->DiskLoadBtn->click();
        answerer.file = protocols;
        if (!shell.stack().model().hasConfiguration()) return false;
        // The transmitters hold the defaults: one value changed, as typed.
        ConfigModel& model = shell.stack().model();
        if (change) model.edit().config().Damping += 1.5;
        model.RefreshFromConfig();
        return shell.stack().connection().connectDevice(sim.devicePath());
    }
    InProcessSim sim;
    Shell shell;
    QString ptf;
    QString protocols;
};

TEST(BatchWriteWindow, WritesEachUnitOfTheListAndKeepsTheirProtocols) {
    BatchShell b({1, 3});
    EXPECT_FALSE(b.shell.form->BatchWriteMnu->isEnabled());  // nothing to write yet
    BoxAnswerer answerer(QMessageBox::Yes);
    answerer.answers << qMakePair(QStringLiteral("repeat?"), QMessageBox::No);
    ASSERT_TRUE(b.load(answerer));
    ASSERT_TRUE(b.shell.form->BatchWriteMnu->isEnabled());

    BatchWatcher watcher(QStringLiteral("1-3"));
    watcher.folder = b.protocols;
    b.shell.form->BatchWriteMnu->trigger();
    ASSERT_TRUE(watcher.shown);
    EXPECT_FALSE(watcher.startEnabledEmpty);
    EXPECT_TRUE(watcher.refusal.contains("0..31")) << watcher.refusal.toStdString();
    const QList<QStringList> expected = {{"1", "00001001", "written and verified"},
                                         {"2", "-", "FAILED: no answer; nothing written"},
                                         {"3", "00001003", "written and verified"}};
    EXPECT_EQ(watcher.rows, expected);
    EXPECT_EQ(watcher.summary, "Written or already holding the configuration: 2 of 3. Failed: 1.");
    EXPECT_EQ(QDir(b.protocols).entryList(QDir::Files),
              QStringList({"00001001.pdf", "00001003.pdf"}));
    // Each unit that answered was asked about its changes, as by Write; the
    // silent one was offered a repeat.
    EXPECT_EQ(answerer.count("Writing changes these values"), 2);
    EXPECT_EQ(answerer.count("repeat?"), 1);
    // The rows say it; no box per unit to click away.
    EXPECT_EQ(answerer.count("written to transmitter without any errors"), 0);
    // The main window still shows the file's configuration.
    EXPECT_EQ(b.shell.stack().model().config().SerialNumber, 12);
    // The folder is kept for the close to write.
    EXPECT_EQ(b.shell.store.settings().protocolDir, b.protocols + "/");
}

// The window opens on the protocol folder the settings file keeps from the
// last run; one removed since (or no full path) opens on none, without a box.
TEST(BatchWriteWindow, OpensOnTheLastRunsProtocolFolderWhileItExists) {
    QTemporaryDir kept;
    const struct {
        QString stored;
        QString shown;
    } cases[] = {
        {kept.path(), QDir::toNativeSeparators(kept.path() + "/")},
        {kept.filePath("gone"), ""},
        {".", ""},  // relative: wherever the program was started
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        Shell shell("[Directory]\nProtocolDir=" + c.stored.toUtf8() + "\n");
        BoxAnswerer box(QMessageBox::Ok);
        TBatchWriteForm form(shell.stack(), shell.form.get(), &shell.store.settings());
        EXPECT_EQ(form.FolderEdt()->text(), c.shown);
        EXPECT_TRUE(box.texts.isEmpty());
    }
}

TEST(BatchWriteWindow, CancelBetweenUnitsEndsTheBatchWithTheUnitsDoneListed) {
    BatchShell b({1, 2, 3});
    BoxAnswerer answerer(QMessageBox::Yes);
    ASSERT_TRUE(b.load(answerer));

    BatchWatcher watcher(QStringLiteral("1-3"), [](TBatchWriteForm& form) {
        if (form.CancelBtn()->isEnabled()) form.CancelBtn()->click();
    });
    watcher.askEach = false;  // Yes for every unit
    b.shell.form->BatchWriteMnu->trigger();
    ASSERT_TRUE(watcher.shown);
    EXPECT_EQ(watcher.rows, (QList<QStringList>{{"1", "00001001", "written and verified"}}));
    EXPECT_TRUE(watcher.summary.endsWith("Cancelled; not written: 2."))
        << watcher.summary.toStdString();
    EXPECT_TRUE(b.shell.stack().idle());
    EXPECT_EQ(answerer.count("Writing changes these values"), 0);
    EXPECT_TRUE(b.shell.stack().writeSafety().askDifferences);  // the settings' own again
}

// Not asked unit by unit: units that hold the configuration already are left
// alone, each row saying so, with no box to click per unit.
TEST(BatchWriteWindow, UnitsHoldingTheConfigurationAreLeftAloneWhenNotAskedEach) {
    BatchShell b({1, 2});
    BoxAnswerer answerer(QMessageBox::Yes);
    ASSERT_TRUE(b.load(answerer, false));
    BatchWatcher watcher(QStringLiteral("1-2"));
    watcher.askEach = false;
    b.shell.form->BatchWriteMnu->trigger();
    ASSERT_TRUE(watcher.shown);
    EXPECT_EQ(watcher.rows,
              (QList<QStringList>{{"1", "00001001", "unchanged: it held the configuration"},
                                  {"2", "00001002", "unchanged: it held the configuration"}}));
    EXPECT_EQ(answerer.count("already holds this configuration"), 0);
    EXPECT_TRUE(b.shell.stack().writeSafety().announceSkipped);  // the window's Write says it again
}

}  // namespace
}  // namespace lmk17::test
