// Transmitter › "Compare with Transmitter" and File › "Compare with File…"
// on the software transmitter: the differing fields listed, the window's own
// configuration untouched by the read, the comparison exported as PDF.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include "app/ui/compare_form.h"
#include "app/ui/main_form.h"
#include "config/config_model.h"
#include "files/ptf_reader.h"
#include "files/ptf_writer.h"
#include "link/port_connection.h"
#include "main_window_rig.h"
#include "operations/transmitter_session.h"
#include "ptf_files.h"
#include "stack/transmitter_stack.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

// What the comparison window listed, then `act` on it, then closed.
struct CompareWatcher {
    explicit CompareWatcher(std::function<void(TCompareForm&)> act = {}) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* form = qobject_cast<TCompareForm*>(QApplication::activeModalWidget());
            if (!form) return;
            timer_.stop();
            shown = true;
            for (int r = 0; r < form->FieldList()->rowCount(); ++r)
                rows << QStringList{form->FieldList()->item(r, 0)->text(),
                                    form->FieldList()->item(r, 1)->text(),
                                    form->FieldList()->item(r, 2)->text()};
            header = form->FieldList()->horizontalHeaderItem(2)->text();
            summary = form->SummaryLbl()->text();
            if (act_) act_(*form);
            form->accept();
        });
        timer_.start(20);
    }
    bool shown = false;
    QList<QStringList> rows;
    QString header;
    QString summary;

private:
    std::function<void(TCompareForm&)> act_;
    QTimer timer_;
};

void setDamping(ConfigModel& model, double seconds) {
    model.edit().config().Damping = seconds;
    model.RefreshFromConfig();
    model.setUnsavedChanges(true);
}

TEST(CompareWindow, ComparesWithTheTransmitterWithoutReplacingTheWindowsConfiguration) {
    InProcessSim sim;
    Shell shell;
    TransmitterStack& stack = shell.stack();
    ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
    BoxAnswerer yes(QMessageBox::Yes);
    ASSERT_TRUE(shell.readWithTheReadButton());
    ConfigModel& model = stack.model();
    const double deviceDamping = model.config().Damping;
    setDamping(model, deviceDamping + 3);
    const TransmitterConfig edited = model.config();

    {
        CompareWatcher watcher;
        shell.form->CompareDevMnu->trigger();
        ASSERT_TRUE(watcher.shown);
        ASSERT_EQ(watcher.rows.size(), 1) << watcher.summary.toStdString();
        EXPECT_EQ(watcher.rows[0][0], "Damping");
        EXPECT_EQ(watcher.rows[0][1], QString::asprintf("%.1f s", deviceDamping + 3));
        EXPECT_EQ(watcher.rows[0][2], QString::asprintf("%.1f s", deviceDamping));
        EXPECT_EQ(watcher.header, "Transmitter");
        EXPECT_EQ(watcher.summary, "1 field differs.");
    }
    EXPECT_TRUE(model.config() == edited);
    EXPECT_TRUE(model.unsavedChanges());
    EXPECT_EQ(yes.count("not saved"), 0);  // a comparison asks nothing about them
    // The window's own Read works as before afterwards.
    EXPECT_EQ(stack.runOperation([&] { return bool(stack.session().startRead()); }, 20000),
              OperationOutcome::Completed);
    EXPECT_DOUBLE_EQ(model.config().Damping, deviceDamping);
}

// Read, then compare at once: nothing differs, neither below the listing's
// digits nor in the values the check sets (a cold-junction temperature the
// connection does not use, the comparator a K8410 lacks).
TEST(CompareWindow, AConfigurationJustReadEqualsTheTransmitter) {
    for (const char* type : {"K8620L31", "K8410L20"}) {
        sim::LineOptions line;
        line.transmitters = {InProcessSim::Transmitter(0, QString::fromLatin1(type), 191)};
        InProcessSim sim(line);
        Shell shell;
        TransmitterStack& stack = shell.stack();
        ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
        BoxAnswerer yes(QMessageBox::Yes);
        ASSERT_TRUE(shell.readWithTheReadButton());
        CompareWatcher watcher;
        shell.form->CompareDevMnu->trigger();
        ASSERT_TRUE(watcher.shown) << type;
        EXPECT_EQ(watcher.summary.toStdString(), "The configurations are equal.") << type;
    }
}

TEST(CompareWindow, ComparesWithAFileListsAllOnRequestAndExportsPdf) {
    Shell shell;
    TransmitterStack& stack = shell.stack();
    const QString ptf = shell.home.filePath("tt-101.ptf");
    ASSERT_TRUE(WriteDefaultPtf(ptf, 28, "K8620L20, FW 1.91", 12));
    ASSERT_TRUE(stack.loadConfigurationFile(ptf, true).loaded);
    ConfigModel& model = stack.model();
    const double fileDamping = model.config().Damping;
    setDamping(model, fileDamping + 1);

    const QString pdf = shell.home.filePath("comparison.pdf");
    BoxAnswerer answerer(QMessageBox::Ok);
    answerer.file = ptf;
    int allRows = 0;
    int boldRows = 0;
    CompareWatcher watcher([&](TCompareForm& form) {
        form.AllCBx()->setChecked(true);
        allRows = form.FieldList()->rowCount();
        for (int r = 0; r < allRows; ++r) boldRows += form.FieldList()->item(r, 0)->font().bold();
        answerer.file = pdf;
        form.PdfBtn()->click();
    });
    shell.form->CompareFileMnu->trigger();
    ASSERT_TRUE(watcher.shown);
    ASSERT_EQ(watcher.rows.size(), 1);
    EXPECT_EQ(watcher.rows[0][0], "Damping");
    EXPECT_EQ(watcher.header, "tt-101.ptf");
    EXPECT_GT(allRows, 20);
    EXPECT_EQ(boldRows, 1);  // the differing field stands out
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));
    EXPECT_DOUBLE_EQ(model.config().Damping, fileDamping + 1);
}

// A file that cannot be read, or whose record the load replaces by the
// defaults, is compared with nothing: the user is told, and no window calls
// the configurations equal.
TEST(CompareWindow, AFileThatCannotBeReadShowsNoComparison) {
    Shell shell;
    TransmitterStack& stack = shell.stack();
    const QString ptf = shell.home.filePath("tt-101.ptf");
    ASSERT_TRUE(WriteDefaultPtf(ptf, 28, "K8620L20, FW 1.91", 12));
    ASSERT_TRUE(stack.loadConfigurationFile(ptf, true).loaded);
    const QString damaged = shell.home.filePath("damaged.ptf");
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PT-FILE04 and nothing after it");
    f.close();
    // A record the load replaces by the defaults (no damping is no record).
    const QString corrupt = shell.home.filePath("corrupt.ptf");
    TransmitterConfig record = ReadConfigFile(ptf).config.value();
    record.Damping = 0.0;
    ASSERT_TRUE(WritePtfFile(corrupt, record).isEmpty());
    for (const QString& file : {damaged, corrupt}) {
        SCOPED_TRACE(file.toStdString());
        BoxAnswerer answerer(QMessageBox::Ok);
        answerer.file = file;
        CompareWatcher watcher;
        shell.form->CompareFileMnu->trigger();
        EXPECT_FALSE(watcher.shown) << watcher.summary.toStdString();
        EXPECT_FALSE(answerer.texts.isEmpty());  // the user is told why
    }
}

}  // namespace
}  // namespace lmk17::test
