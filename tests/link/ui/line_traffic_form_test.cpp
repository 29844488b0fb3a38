// The line traffic window over a read with an echoing converter and a noise
// burst: the decoded lines with the engine's verdicts, the filters, pause,
// and a closed window that leaves the engine without a listener.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>

#include "link/frame.h"
#include "link/ui/line_traffic_form.h"
#include "support/marking_translator.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

std::vector<TraceVerdict> verdictsOf(const std::vector<TraceEntry>& entries) {
    std::vector<TraceVerdict> v;
    for (const TraceEntry& e : entries) v.push_back(e.verdict);
    return v;
}

// Reads on a line that echoes every request, with a noise burst
// before each answer.
struct TrafficRig {
    TrafficRig() : rig(echoing()) {
        sim::Fault noise;
        sim::Fault::parse(QStringLiteral("noise"), noise, nullptr);
        rig.sim.line().addFault(noise);
        form.show();
    }
    static sim::LineOptions echoing() {
        sim::LineOptions o;
        o.echo = true;
        return o;
    }
    void read(int parameter) {
        ASSERT_EQ(rig.Exchange(SimRig::Read(parameter, TypeFloat)), 8);
        Spin(30);  // the echo of nothing later, and the timer's turn
        form.refresh();
    }
    SimRig rig;
    TLineTrafficForm form{rig.engine};
};

TEST(LineTrafficWindow, ListsTheDecodedFramesWithTheVerdicts) {
    TrafficRig t;
    t.read(0);
    const auto& shown = t.form.shownEntries();
    EXPECT_EQ(verdictsOf(shown),
              (std::vector<TraceVerdict>{TraceVerdict::Request, TraceVerdict::EchoDropped,
                                         TraceVerdict::NoiseDropped, TraceVerdict::Answer}));
    QAbstractItemModel* m = t.form.TrafficList()->model();
    ASSERT_EQ(m->rowCount(), 4);
    EXPECT_EQ(m->index(0, TraceDecoded).data().toString(), "read float P0 DA 0");
    EXPECT_EQ(m->index(0, TraceDirection).data().toString(), "PC>TX");
    EXPECT_EQ(m->index(1, TraceVerdictColumn).data().toString(), "echo dropped");
    EXPECT_EQ(m->index(2, TraceBytes).data().toString(), "FF 00");
    EXPECT_EQ(m->index(3, TraceDecoded).data().toString(),
              "answer code 8 float = 325 \"Application layer answered OK.\"");
    EXPECT_EQ(m->index(3, TraceDirection).data().toString(), "<TX");
    EXPECT_TRUE(t.form.StateLbl()->text().contains("4"));

    // Copy with nothing selected takes every listed line, as --trace writes them.
    t.form.CopyBtn()->click();
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 4);
    EXPECT_EQ(copied[3], TraceLine(shown[3]));
}

TEST(LineTrafficWindow, FiltersByVerdictParameterAndAddress) {
    TrafficRig t;
    t.read(0);
    t.read(3);
    const struct {
        const char* name;
        int address;    // item of the address list: -1 all
        int parameter;  // -1 all
        int verdictItem;
        size_t rows;
    } cases[] = {
        {"everything", -1, -1, 0, 8},
        {"answers only", -1, -1, 1 + int(TraceVerdict::Answer), 2},
        {"parameter 3", -1, 3, 0, 4},
        {"parameter 3, its request", -1, 3, 1 + int(TraceVerdict::Request), 1},
        {"another address", 5, -1, 0, 0},
        {"this address", 0, -1, 0, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        t.form.AddressCmBx()->setCurrentIndex(c.address + 1);
        t.form.ParameterEdt()->setValue(c.parameter);
        t.form.VerdictCmBx()->setCurrentIndex(c.verdictItem);
        EXPECT_EQ(t.form.shownEntries().size(), c.rows);
    }
    // A filter holds for what comes next as well.
    t.form.VerdictCmBx()->setCurrentIndex(1 + int(TraceVerdict::Answer));
    t.form.ParameterEdt()->setValue(-1);
    t.read(4);
    EXPECT_EQ(verdictsOf(t.form.shownEntries()),
              std::vector<TraceVerdict>(3, TraceVerdict::Answer));
}

TEST(LineTrafficWindow, PauseHoldsTheListAndClearEmptiesIt) {
    TrafficRig t;
    t.read(0);
    t.form.PauseBtn()->click();
    t.read(1);
    EXPECT_EQ(t.form.shownEntries().size(), 4u);  // nothing new while paused
    EXPECT_TRUE(t.form.StateLbl()->text().contains("Paused"));
    t.form.PauseBtn()->click();
    EXPECT_EQ(t.form.shownEntries().size(), 8u);  // kept meanwhile, listed now
    t.form.ClearBtn()->click();
    EXPECT_TRUE(t.form.shownEntries().empty());
    t.read(2);
    EXPECT_EQ(t.form.shownEntries().size(), 4u);
}

TEST(LineTrafficWindow, ListensOnlyWhileShown) {
    TrafficRig t;
    EXPECT_EQ(t.rig.engine.trace(), &t.form.trace());
    t.form.close();
    EXPECT_EQ(t.rig.engine.trace(), nullptr);
    ASSERT_EQ(t.rig.Exchange(SimRig::Read(0, TypeFloat)), 8);
    EXPECT_TRUE(t.form.trace().entries().empty());
}

// The window speaks the user's language; the saved text is the trace's own,
// the same in every language.
TEST(LineTrafficWindow, SavesTheListedLinesAsText) {
    MarkingTranslator marking("lmk17::TLineTrafficForm");
    TrafficRig t;
    t.read(0);
    QAbstractItemModel* m = t.form.TrafficList()->model();
    EXPECT_EQ(m->index(3, TraceVerdictColumn).data().toString(), "<ANSWER & co>");
    EXPECT_EQ(t.form.VerdictCmBx()->itemText(1 + int(TraceVerdict::EchoDropped)),
              "<ECHO DROPPED & co>");
    QTemporaryDir dir;
    const QString path = dir.filePath("traffic.txt");
    ASSERT_TRUE(t.form.saveText(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), TraceText(t.form.shownEntries()));
}

}  // namespace
}  // namespace lmk17::test
