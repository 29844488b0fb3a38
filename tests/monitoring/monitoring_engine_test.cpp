#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "monitoring/live_sim_rig.h"
#include "support/qt_printers.h"

namespace lmk17 {
namespace {

using test::LiveSimRig;
using test::Profile;

const QDateTime kMoment(QDate(2003, 3, 5), QTime(14, 7, 9));
const QString kEq(49, QLatin1Char('='));
const QString kDash(49, QLatin1Char('-'));

// A monitoring rig whose cycles the test drives by hand: the poll interval is
// too long to tick by itself, the clock is fixed.
class MonitorRig : public LiveSimRig {
public:
    explicit MonitorRig(sim::TransmitterProfile profile, int monitoredAddress = 3)
        : LiveSimRig({withAddress(profile, monitoredAddress)}) {
        params.address = monitoredAddress;
        setUp();
    }
    // Several transmitters on the line, monitored at the listed addresses.
    MonitorRig(std::vector<sim::TransmitterProfile> profiles, std::vector<int> addresses)
        : LiveSimRig(std::move(profiles)) {
        params.address = addresses.front();
        params.addresses = std::move(addresses);
        setUp();
    }
    void setUp() {
        params.intervalMs = 3600 * 1000;
        params.logToFile = false;
        params.digits = 8;
        monitoring.setClock([this] { return moment; });
        QObject::connect(&monitoring, &MonitoringEngine::indicatorChanged, [this](bool busy) {
            if (!busy) ++cyclesEnded;
        });
        LinkTiming t;
        t.answerTimeoutMs = 150;
        engine.setTiming(t);
        engine.setTransmitterAddress(0);
    }
    static sim::TransmitterProfile withAddress(sim::TransmitterProfile s, int address) {
        s.address = address;
        return s;
    }
    bool start() {
        monitoring.setParameters(params);
        if (!monitoring.startMonitoring()) return false;
        return waitFor([this] { return monitoring.monitorTimer().isActive(); });
    }
    // One cycle: the tick sends the PV request, the status request follows.
    bool cycle() {
        const int before = cyclesEnded;
        monitoring.sendPreparedReading();
        return waitFor([&] { return cyclesEnded > before && !engine.requestOutstanding(); });
    }
    void setPv(double pv) { setPv(params.address, pv); }
    void setPv(int address, double pv) {
        sim::PvSource s;
        s.kind = sim::PvSource::Constant;
        s.a = pv;
        transmitter(address).setPv(s);
    }
    // The record lines of the window (what follows the column header).
    QStringList records() const {
        const QStringList& w = log.windowLines();
        qsizetype header = -1;
        for (qsizetype i = 0; i < w.size() && header < 0; ++i)
            if (w[i].endsWith(
                    QStringLiteral("Date[yymmdd]  Time[hhmmss]  PV  St_Mess_1  Error  St_Mess_2")))
                header = i;
        QStringList out;
        for (qsizetype i = header + 2; header >= 0 && i < w.size(); ++i) {
            if (w[i] == kEq) break;
            out << w[i];
        }
        return out;
    }

    MonitorParameters params;
    QDateTime moment = kMoment;
    int cyclesEnded = 0;
};

TEST(Monitoring, RunWritesHeaderRecordsAndFooter) {
    sim::TransmitterProfile profile = Profile("K8410H10", 191);
    profile.pv.kind = sim::PvSource::Constant;
    profile.pv.a = 23.456789;
    MonitorRig rig(profile);
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.start());
    EXPECT_FALSE(rig.engine.commandsEnabled());
    EXPECT_EQ(rig.engine.transmitterAddress(), 3);
    ASSERT_TRUE(rig.cycle());
    rig.params.separator = 1;
    rig.moment = kMoment.addSecs(1);
    ASSERT_TRUE(rig.cycle());
    rig.ui.answers = {true};
    ASSERT_TRUE(rig.monitoring.stopMonitoring());
    EXPECT_EQ(rig.ui.last(), QStringLiteral("Do you really want to stop the monitoring mode?"));

    const auto block = rig.transmitter(3).memory().blocks[{50, 0}];
    const QString range =
        QString::asprintf("    Input Range: < %.8g ; %.8g > ", block[1], block[0]) +
        QString::fromUtf8("°C");
    const QStringList expected = {
        QStringLiteral(" "),
        kEq,
        QStringLiteral(" Start of the Monitoring:  5.3.2003 14:07:09"),
        QStringLiteral("  LMK-17 version 2.3.2"),
        kDash,
        QStringLiteral("  Address: 3, Transmitter: K8410H10, Serial Number: 12345678"),
        range,
        kEq,
        QStringLiteral("Date[yymmdd]  Time[hhmmss]  PV  St_Mess_1  Error  St_Mess_2"),
        kDash,
        QStringLiteral("030305 140709 23,456789 OK 00 OK "),
        // The parameters are fixed for the run: the separator stays a comma.
        QStringLiteral("030305 140710 23,456789 OK 00 OK "),
        kEq,
        QStringLiteral(" End of the Monitoring:  5.3.2003 14:07:10"),
        kEq,
    };
    EXPECT_EQ(rig.log.windowLines(), expected);
    // Back to how it was before the start.
    EXPECT_EQ(rig.engine.transmitterAddress(), 0);
    EXPECT_TRUE(rig.engine.commandsEnabled());
    EXPECT_FALSE(rig.engine.operation().running());
    EXPECT_FALSE(rig.monitoring.monitorTimer().isActive());
    EXPECT_EQ(rig.monitoring.graph().points().size(), 2u);
    EXPECT_EQ(rig.readsOf(50), 1);
    EXPECT_EQ(rig.readsOf(51), 1);
    EXPECT_EQ(rig.readsOf(0), 2);
    EXPECT_EQ(rig.readsOf(215), 2);
}

struct ConditionCase {
    const char* name;
    bool change;
    bool error;
    bool comm;
    std::vector<double> pvs;
    std::vector<int> errors;  // device error bits per cycle (empty: none)
    std::vector<int> silent;  // cycles whose PV answer never comes
    std::vector<bool> recorded;
};

class MonitoringConditions : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(MonitoringConditions, RecordsWhatTheConditionsAskFor) {
    const ConditionCase& c = GetParam();
    MonitorRig rig(Profile("K8620L31", 191));
    ASSERT_TRUE(rig.started);
    rig.params.writeAll = false;
    rig.params.onChange = c.change;
    rig.params.changePercent = 10;
    rig.params.onErrorState = c.error;
    rig.params.onCommError = c.comm;
    rig.params.separator = 1;
    ASSERT_TRUE(rig.start());
    std::vector<bool> recorded;
    for (size_t i = 0; i < c.pvs.size(); ++i) {
        rig.setPv(c.pvs[i]);
        rig.transmitter(3).setDeviceErrors(i < c.errors.size() ? c.errors[i] : 0);
        rig.line->setFaults({});
        if (std::find(c.silent.begin(), c.silent.end(), int(i)) != c.silent.end()) {
            sim::Fault f;  // the transmitter falls silent for one cycle
            f.kind = sim::Fault::Silence;
            rig.line->addFault(f);
        }
        const qsizetype before = rig.records().size();
        ASSERT_TRUE(rig.cycle()) << i;
        recorded.push_back(rig.records().size() > before);
    }
    EXPECT_EQ(recorded, c.recorded);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, MonitoringConditions,
    ::testing::Values(
        // 100 (first cycle), not 105 (5 < 10), 116 (11 >= 10.5).
        ConditionCase{"change", true, false, false, {100, 105, 116}, {}, {}, {true, false, true}},
        // Against the previous reading: a slow drift is never recorded.
        ConditionCase{
            "drift", true, false, false, {100, 109, 118, 127}, {}, {}, {true, false, false, false}},
        ConditionCase{"negative", true, false, false, {-50, -52}, {}, {}, {true, false}},
        // A failed PV request reads as 0 (a change) and is stored as the
        // previous PV: the next correct reading is a change again.
        ConditionCase{"afterFailure",
                      true,
                      false,
                      false,
                      {100, 100, 100, 100},
                      {},
                      {1},
                      {true, true, true, false}},
        // The first cycle is recorded even without an error.
        ConditionCase{
            "errorOnly", false, true, false, {1, 1, 1}, {0, 4, 0}, {}, {true, true, false}},
        ConditionCase{"comm", false, false, true, {1, 1, 1}, {}, {1}, {true, true, false}},
        ConditionCase{"commOff", false, true, false, {1, 1, 1}, {}, {1}, {true, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Monitoring, RecordTextsOfFailuresAndErrors) {
    MonitorRig rig(Profile("K8620L31", 191));
    ASSERT_TRUE(rig.started);
    rig.params.separator = 1;
    ASSERT_TRUE(rig.start());
    rig.setPv(2.5);
    // Silence: three sends of each request, then the time-out record.
    sim::Fault silence;
    silence.kind = sim::Fault::Silence;
    rig.line->setFaults({silence});
    ASSERT_TRUE(rig.cycle());
    // A bad check byte on every answer.
    sim::Fault crc;
    crc.kind = sim::Fault::BadCheck;
    rig.line->setFaults({crc});
    ASSERT_TRUE(rig.cycle());
    // A device error 0x0C: "3 " and the attention text.
    rig.line->setFaults({});
    rig.transmitter(3).setDeviceErrors(0x0C);
    ASSERT_TRUE(rig.cycle());
    rig.transmitter(3).setDeviceErrors(0x03);
    ASSERT_TRUE(rig.cycle());
    const QStringList expected = {
        QStringLiteral("030305 140709 0 ERROR:_Timeout 00 ERROR:_Timeout "),
        QStringLiteral("030305 140709 0 ERROR:_Bad_CRC_of_the_Incoming_Message 00 "
                       "ERROR:_Bad_CRC_of_the_Incoming_Message "),
        QStringLiteral("030305 140709 2.5 OK 3 OK  Attention!_Transmitter_Error_State!"),
        QStringLiteral("030305 140709 2.5 OK ??? OK  Attention!_Transmitter_Error_State!"),
    };
    EXPECT_EQ(rig.records().join(QLatin1Char('\n')).toStdString(),
              expected.join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(rig.readsOf(0), 3 + 1 + 2);
}

TEST(Monitoring, PeriodTickRecordsTheNextCycle) {
    MonitorRig rig(Profile("K8620L31", 191));
    ASSERT_TRUE(rig.started);
    rig.params.writeAll = false;
    rig.params.onErrorState = false;
    rig.params.onCommError = false;
    rig.params.onPeriod = true;
    rig.params.periodS = 20;
    ASSERT_TRUE(rig.start());
    EXPECT_TRUE(rig.monitoring.periodTimer().isActive());
    EXPECT_EQ(rig.monitoring.periodTimer().interval(), 20000);
    std::vector<qsizetype> counts;
    for (int i = 0; i < 4; ++i) {
        if (i == 2) rig.monitoring.markPeriodElapsed();
        ASSERT_TRUE(rig.cycle());
        counts.push_back(rig.records().size());
    }
    // The tick came while the run waited for its poll tick: the cycle that
    // starts after it (the one after next) is the one recorded.
    EXPECT_EQ(counts, (std::vector<qsizetype>{1, 1, 1, 2}));
}

TEST(Monitoring, SerialNumberZeroGivesNoAddressLine) {
    sim::TransmitterProfile profile = Profile("K8620L31", 191);
    profile.serial = 0;
    MonitorRig rig(profile);
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(rig.cycle());
    EXPECT_FALSE(
        rig.log.windowLines().join(QLatin1Char('\n')).contains(QStringLiteral("Address:")));
    EXPECT_EQ(rig.monitoring.run().info.serialNumber, 0);
    EXPECT_EQ(rig.records().size(), 1);
}

TEST(Monitoring, StartUpReadGivenUpEndsTheRun) {
    MonitorRig rig(Profile("K8620L31", 191));
    ASSERT_TRUE(rig.started);
    sim::Fault refuse;
    refuse.kind = sim::Fault::Refuse;
    refuse.parameter = 50;
    rig.line->setFaults({refuse});
    rig.ui.answers = {true, false};  // repeat once, then give up
    rig.monitoring.setParameters(rig.params);
    ASSERT_TRUE(rig.monitoring.startMonitoring());
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return !rig.monitoring.active(); }));
    EXPECT_EQ(rig.readsOf(50), 2);
    EXPECT_EQ(
        rig.ui.texts(),
        QStringList(2, QStringLiteral("Error during reading the data from transmitter, repeat?")));
    const QStringList& w = rig.log.windowLines();
    const QStringList tail = w.mid(w.size() - 5);
    EXPECT_EQ(
        tail,
        (QStringList{QStringLiteral("  Address: 3, ERROR! Communication with the Transmitter was "
                                    "not established!"),
                     QStringLiteral(" "), kEq,
                     QStringLiteral(" End of the Monitoring:  5.3.2003 14:07:09"), kEq}));
    EXPECT_EQ(rig.engine.transmitterAddress(), 0);
    EXPECT_TRUE(rig.engine.commandsEnabled());
    EXPECT_FALSE(rig.engine.operation().running());
    EXPECT_FALSE(rig.engine.requestOutstanding());
}

TEST(Monitoring, SilentAddressFailsInIdentification) {
    MonitorRig rig(Profile("K8620L31", 191), 3);
    ASSERT_TRUE(rig.started);
    rig.params.address = 5;  // nobody answers there
    rig.ui.answers = {false};
    rig.monitoring.setParameters(rig.params);
    ASSERT_TRUE(rig.monitoring.startMonitoring());
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return !rig.monitoring.active(); }));
    EXPECT_TRUE(rig.log.windowLines().contains(QStringLiteral(
        "  Address: 5, ERROR! Communication with the Transmitter was not established!")));
    // No stop question: the stop came from the identification.
    EXPECT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_EQ(rig.engine.transmitterAddress(), 0);
    EXPECT_TRUE(rig.engine.commandsEnabled());
}

TEST(Monitoring, StopWaitsForTheOutstandingAnswer) {
    MonitorRig rig(Profile("K8620L31", 191));
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.start());
    rig.line->setAnswerDelay(120);
    rig.monitoring.sendPreparedReading();
    ASSERT_TRUE(rig.engine.requestOutstanding());
    rig.ui.answers = {false, true};
    // No: the run goes on after the answer.
    EXPECT_FALSE(rig.monitoring.stopMonitoring());
    EXPECT_TRUE(rig.monitoring.active());
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    // The question came only once the exchange had ended (the status request
    // follows the PV answer at once, so the wait may span both).
    EXPECT_TRUE(rig.monitoring.stopEnabled());
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return !rig.engine.requestOutstanding(); }));
    rig.monitoring.sendPreparedReading();
    ASSERT_TRUE(rig.engine.requestOutstanding());
    EXPECT_TRUE(rig.monitoring.stopMonitoring());
    EXPECT_FALSE(rig.monitoring.active());
    EXPECT_FALSE(rig.engine.requestOutstanding());
    EXPECT_EQ(rig.log.windowLines().last(), kEq);
    EXPECT_EQ(rig.engine.transmitterAddress(), 0);
}

TEST(Monitoring, PulledAdapterGivesCommunicationErrorRecords) {
    MonitorRig rig(Profile("K8620L31", 191));
    ASSERT_TRUE(rig.started);
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(rig.cycle());
    // The far end goes away while the PV request waits for its answer.
    rig.line->addFault([] {
        sim::Fault f;
        f.kind = sim::Fault::Delay;
        f.delayMs = 100;
        return f;
    }());
    rig.monitoring.sendPreparedReading();
    ASSERT_TRUE(rig.engine.requestOutstanding());
    rig.line.reset();
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.cyclesEnded == 2; }));
    ASSERT_TRUE(rig.cycle());
    const QStringList records = rig.records();
    ASSERT_EQ(records.size(), 4) << records.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(records[1].startsWith(QStringLiteral(" Communication Port Lost:  ")))
        << records[1].toStdString();
    EXPECT_TRUE(records[2].contains(QStringLiteral("ERROR:_"))) << records[2].toStdString();
    EXPECT_EQ(records[2], records[3]);
    EXPECT_TRUE(rig.monitoring.active());
    rig.ui.answers = {true};
    EXPECT_TRUE(rig.monitoring.stopMonitoring());
}

sim::TransmitterProfile At(int address, const char* type, double pv) {
    sim::TransmitterProfile p = Profile(type, 191);
    p.address = address;
    p.pv.kind = sim::PvSource::Constant;
    p.pv.a = pv;
    return p;
}

// Three transmitters on one line and an address nobody answers at: that one
// is reported and left out without a question; the others are read in the
// listed order with their records and record conditions kept apart, and one
// that falls silent costs one time-out a cycle and gets its error record.
TEST(Monitoring, SeveralTransmittersOnOneLine) {
    MonitorRig rig({At(0, "K8620L31", 12.5), At(3, "K8410H10", -7.25), At(5, "K8620L31", 100)},
                   {3, 9, 0, 5});
    ASSERT_TRUE(rig.started);
    rig.params.writeAll = false;
    rig.params.onChange = true;
    rig.params.onErrorState = false;
    rig.params.onCommError = true;
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(rig.cycle());
    rig.setPv(0, 20);
    sim::Fault silence;
    silence.kind = sim::Fault::Silence;
    silence.address = 5;
    rig.line->setFaults({silence});
    ASSERT_TRUE(rig.cycle());
    rig.line->setFaults({});
    ASSERT_TRUE(rig.cycle());
    rig.ui.answers = {true};
    ASSERT_TRUE(rig.monitoring.stopMonitoring());

    const QString range = QStringLiteral("    Input Range: < ");
    const QStringList expected = {
        QStringLiteral(" "),
        kEq,
        QStringLiteral(" Start of the Monitoring:  5.3.2003 14:07:09"),
        QStringLiteral("  LMK-17 version 2.3.2"),
        kDash,
        QStringLiteral("  Address: 3, Transmitter: K8410H10, Serial Number: 12345678"),
        range,
        QStringLiteral(
            "  Address: 9, ERROR! Communication with the Transmitter was not established!"),
        QStringLiteral(" "),
        QStringLiteral("  Address: 0, Transmitter: K8620L31, Serial Number: 12345678"),
        range,
        QStringLiteral("  Address: 5, Transmitter: K8620L31, Serial Number: 12345678"),
        range,
        kEq,
        QStringLiteral("Address  Date[yymmdd]  Time[hhmmss]  PV  St_Mess_1  Error  St_Mess_2"),
        kDash,
        // The first cycle is recorded for every address.
        QStringLiteral("03 030305 140709 -7,25 OK 00 OK "),
        QStringLiteral("00 030305 140709 12,5 OK 00 OK "),
        QStringLiteral("05 030305 140709 100 OK 00 OK "),
        // Address 0 changed; address 5 is silent: its record, no status request.
        QStringLiteral("00 030305 140709 20 OK 00 OK "),
        QStringLiteral("05 030305 140709 0 ERROR:_Timeout 00 ERROR:_Timeout "),
        // Back: a change against its own previous PV (0), nobody else's.
        QStringLiteral("05 030305 140709 100 OK 00 OK "),
        kEq,
        QStringLiteral(" End of the Monitoring:  5.3.2003 14:07:09"),
        kEq,
    };
    const QStringList& w = rig.log.windowLines();
    ASSERT_EQ(w.size(), expected.size()) << w.join(QLatin1Char('\n')).toStdString();
    for (qsizetype i = 0; i < w.size(); ++i)
        EXPECT_TRUE(expected[i] == range ? w[i].startsWith(range) : w[i] == expected[i])
            << i << ": " << w[i].toStdString();
    EXPECT_TRUE(rig.ui.shown.size() == 1u);  // the stop question only
    EXPECT_EQ(rig.readsOf(0), 3 + 2 + 3 + 3);
    EXPECT_EQ(rig.readsOf(215), 3 + 2 + 3);
    const auto& series = rig.monitoring.graph().series();
    ASSERT_EQ(series.size(), 3u);
    EXPECT_EQ(series[0].address, 3);
    EXPECT_EQ(series[1].points.size(), 3u);
    EXPECT_EQ(series[2].points.size(), 2u);
    EXPECT_EQ(rig.engine.transmitterAddress(), 0);
    EXPECT_TRUE(rig.engine.commandsEnabled());
}

TEST(Monitoring, NoTransmitterOfSeveralAnswersEndsTheRun) {
    MonitorRig rig({At(0, "K8620L31", 1)}, {9, 10});
    ASSERT_TRUE(rig.started);
    rig.monitoring.setParameters(rig.params);
    ASSERT_TRUE(rig.monitoring.startMonitoring());
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return !rig.monitoring.active(); }));
    const QStringList& w = rig.log.windowLines();
    EXPECT_EQ(w.mid(5, 4),
              (QStringList{QStringLiteral("  Address: 9, ERROR! Communication with the "
                                          "Transmitter was not established!"),
                           QStringLiteral(" "),
                           QStringLiteral("  Address: 10, ERROR! Communication with the "
                                          "Transmitter was not established!"),
                           QStringLiteral(" ")}));
    EXPECT_EQ(w.last(), kEq);
    EXPECT_TRUE(rig.ui.shown.empty());
    EXPECT_TRUE(rig.engine.commandsEnabled());
    EXPECT_FALSE(rig.engine.operation().running());
}

TEST(Monitoring, LogFileGetsEveryLineWithCrLf) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("mon.log"));
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old\r\n");
    }
    for (const bool append : {true, false}) {
        MonitorRig rig(Profile("K8620L31", 191));
        ASSERT_TRUE(rig.started);
        rig.params.logToFile = true;
        rig.params.logFile = QStringLiteral(" \"") + name + QStringLiteral("\" ");
        rig.params.append = append;
        ASSERT_TRUE(rig.start());
        ASSERT_TRUE(rig.cycle());
        rig.ui.answers = {true};
        ASSERT_TRUE(rig.monitoring.stopMonitoring());
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QByteArray window;
        for (const QString& line : rig.log.windowLines()) window += line.toLatin1() + "\r\n";
        window.replace("\xC2\xB0", "\xB0");
        EXPECT_EQ(text, (append ? QByteArray("old\r\n") : QByteArray()) + QByteArray(window));
    }
}

TEST(Monitoring, UnwritableLogIsReportedOnceAndTheRunGoesOn) {
    MonitorRig rig(Profile("K8620L31", 191));
    ASSERT_TRUE(rig.started);
    rig.params.logToFile = true;
    rig.params.logFile = QStringLiteral("/nonexistent-folder/mon.log");
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(rig.cycle());
    ASSERT_TRUE(rig.cycle());
    LiveSimRig::spin(10);
    ASSERT_EQ(rig.ui.shown.size(), 1u);
    EXPECT_TRUE(rig.ui.last().contains(QStringLiteral("/nonexistent-folder/mon.log")));
    EXPECT_EQ(rig.records().size(), 2);
}

TEST(Monitoring, PollTimerPacesTheCycles) {
    MonitorRig rig(Profile("K8620L31", 191));
    ASSERT_TRUE(rig.started);
    rig.params.intervalMs = 100;
    ASSERT_TRUE(rig.start());
    // The first PV request goes out one interval after the start-up reads.
    EXPECT_EQ(rig.readsOf(0), 0);
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.readsOf(0) >= 5; }, 3000));
    EXPECT_EQ(rig.monitoring.monitorTimer().interval(), 100);
    rig.ui.answers = {true};
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.monitoring.stopMonitoring(); }));
    const int reads = rig.readsOf(0);
    LiveSimRig::spin(300);
    EXPECT_EQ(rig.readsOf(0), reads);
}

}  // namespace
}  // namespace lmk17
