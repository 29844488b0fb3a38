// The line traffic as the engine sees it: every frame both ways, decoded,
// with what the engine made of it.

#include <gtest/gtest.h>

#include "link/frame.h"
#include "link/line_trace.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

struct Expected {
    TraceVerdict verdict;
    const char* decoded;
};

const char* const kRead0 = "read float P0 DA 0";
const char* const kAnswer325 = "answer code 8 float = 325 \"Application layer answered OK.\"";

TEST(LineTrace, ScriptedExchangesGiveTheirDecodedLines) {
    const struct {
        const char* name;
        bool echo;
        bool paced;  // answers leave one after the other, as on a real line
        const char* fault;
        std::vector<Expected> lines;
    } cases[] = {
        {"echo, noise burst and a repeat",
         true,
         false,
         "silence@1",
         {{TraceVerdict::Request, kRead0},
          {TraceVerdict::EchoDropped, kRead0},
          {TraceVerdict::Timeout, "no answer"},
          {TraceVerdict::Repeat, kRead0},
          {TraceVerdict::EchoDropped, kRead0},
          {TraceVerdict::NoiseDropped, ""},
          {TraceVerdict::Answer, kAnswer325}}},
        {"an answer after the time-out",
         false,
         true,
         "delay:200@1",
         {{TraceVerdict::Request, kRead0},
          {TraceVerdict::Timeout, "no answer"},
          {TraceVerdict::Repeat, kRead0},
          {TraceVerdict::Answer, kAnswer325},
          {TraceVerdict::Late, kAnswer325}}},
        {"an acknowledgement before the answer",
         false,
         false,
         "noise:101F00001F16@1",
         {{TraceVerdict::Request, kRead0},
          {TraceVerdict::Misshapen, "answer code 0 \"OK.\""},
          {TraceVerdict::Answer, kAnswer325}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::LineOptions o;
        o.echo = c.echo;
        if (c.paced) {
            o.pace = true;
            o.baud = 9600;
            o.answerDelayMs = 20;
        }
        SimRig rig(o);
        sim::Fault fault;
        ASSERT_TRUE(sim::Fault::parse(QString::fromLatin1(c.fault), fault, nullptr));
        rig.sim.line().addFault(fault);
        if (QByteArray(c.name) == "echo, noise burst and a repeat") {
            sim::Fault noise;
            ASSERT_TRUE(sim::Fault::parse(QStringLiteral("noise@2"), noise, nullptr));
            rig.sim.line().addFault(noise);
        }
        LineTrace trace;
        trace.setClock([] { return qint64(0); });
        rig.engine.setTrace(&trace);
        ASSERT_EQ(rig.Exchange(SimRig::Read(0, TypeFloat)), 8);
        SpinUntil([&] { return trace.entries().size() >= c.lines.size(); }, 1000);
        Spin(50);  // nothing more comes

        QStringList got;
        for (const TraceEntry& e : trace.entries()) got << TraceLine(e);
        ASSERT_EQ(trace.entries().size(), c.lines.size()) << got.join('\n').toStdString();
        for (size_t i = 0; i < c.lines.size(); ++i) {
            const TraceEntry& e = trace.entries()[i];
            SCOPED_TRACE(got[qsizetype(i)].toStdString());
            EXPECT_EQ(e.verdict, c.lines[i].verdict);
            EXPECT_EQ(e.decoded, QString::fromLatin1(c.lines[i].decoded));
            if (e.verdict != TraceVerdict::Timeout) {
                EXPECT_EQ(e.da, 0);
                EXPECT_EQ(e.parameter, 0);
            }
        }
        if (c.echo) {
            EXPECT_EQ(trace.entries()[1].bytes, trace.entries()[0].bytes);
            EXPECT_EQ(trace.entries()[5].bytes, QByteArray::fromHex("FF00"));
        }
        EXPECT_EQ(TraceLine(trace.entries()[0]),
                  QStringLiteral("       0 ms  PC>TX  ") + HexBytes(trace.entries()[0].bytes) +
                      QStringLiteral("  read float P0 DA 0  [request]"));
        rig.engine.setTrace(nullptr);
    }
}

// Requests of every shape decode to what was asked.
TEST(LineTrace, RequestsDecodeToWhatWasAsked) {
    LinkRequest write55;
    write55.operation = OpWrite;
    write55.dataType = TypeFloat;
    write55.parameter = 55;
    write55.da = 3;
    write55.value = -12.5;
    LinkRequest text;
    text.operation = OpRead;
    text.dataType = TypeText;
    text.parameter = 120;
    text.row = 2;
    LinkRequest int16;
    int16.operation = OpWrite;
    int16.dataType = TypeInt16;
    int16.parameter = 51;
    int16.da = 31;
    int16.value16 = -7;
    LinkRequest block;  // its last element travels first
    block.operation = OpWrite;
    block.dataType = TypeBlock;
    block.parameter = 80;
    block.row = 1;
    block.da = 4;
    block.values = {1.5, 2, 3, 4};
    const struct {
        LinkRequest request;
        const char* decoded;
    } cases[] = {
        {write55, "write float P55 DA 3 = -12.5"},
        {text, "read text P120 row 2 DA 0"},
        {int16, "write int16 P51 DA 31 = -7"},
        {block, "write block P80 row 1 DA 4 = 1.5 2 3 4"},
    };
    for (const auto& c : cases) {
        LinkRequest r = c.request;
        EXPECT_EQ(DescribeFrame(BuildRequestFrame(r, 31), r), QString::fromLatin1(c.decoded));
    }
}

// A bounded buffer: the oldest go, the count of all added stays.
TEST(LineTrace, KeepsOnlyTheNewest) {
    LineTrace trace(3);
    LinkRequest r;
    for (int i = 0; i < 5; ++i)
        trace.add(false, QByteArray(1, char(i)), TraceVerdict::NoiseDropped, r);
    ASSERT_EQ(trace.entries().size(), 3u);
    EXPECT_EQ(trace.entries().front().bytes, QByteArray(1, char(2)));
    EXPECT_EQ(trace.added(), 5u);
}

}  // namespace
}  // namespace lmk17::test
