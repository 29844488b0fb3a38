// Fault descriptions, the cutting and spoiling of answers, and the
// command line of lmk17-sim.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "sim_faults.h"
#include "sim_frame.h"
#include "sim_options.h"
#include "support/qt_printers.h"

using namespace lmk17::sim;

namespace {

TEST(SimFaults, ParsesEveryKindAndTrigger) {
    struct Case {
        const char* profile;
        Fault::Kind kind;
        std::set<int> answers;
        double probability;
    };
    const Case cases[] = {
        {"silence", Fault::Silence, {}, -1},          {"bad-check@2", Fault::BadCheck, {2}, -1},
        {"noise:A5A5@1,3", Fault::Noise, {1, 3}, -1}, {"chunks:3:20", Fault::Chunks, {}, -1},
        {"split:1+4", Fault::Split, {}, -1},          {"bad-length%25", Fault::BadLength, {}, 0.25},
        {"bad-start", Fault::BadStart, {}, -1},       {"refuse:73", Fault::Refuse, {}, -1},
        {"delay:300@5", Fault::Delay, {5}, -1},       {"echo", Fault::Echo, {}, -1},
        {"code:0x09", Fault::Code, {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        Fault f;
        QString error;
        ASSERT_TRUE(Fault::parse(QString::fromLatin1(c.profile), f, &error)) << error.toStdString();
        EXPECT_EQ(f.kind, c.kind);
        EXPECT_EQ(f.answers, c.answers);
        EXPECT_DOUBLE_EQ(f.probability, c.probability);
    }
    Fault f;
    ASSERT_TRUE(Fault::parse(QStringLiteral("noise:A5A5"), f, nullptr));
    EXPECT_EQ(f.bytes, QByteArray("\xA5\xA5"));
    ASSERT_TRUE(Fault::parse(QStringLiteral("split:1+4:70"), f, nullptr));
    EXPECT_EQ(f.sizes, (std::vector<int>{1, 4}));
    EXPECT_EQ(f.pauseMs, 70);
    ASSERT_TRUE(Fault::parse(QStringLiteral("refuse:73"), f, nullptr));
    EXPECT_EQ(f.parameter, 73);
}

TEST(SimFaults, RefusesNonsense) {
    for (const char* profile :
         {"", "thunder", "silence:3", "chunks", "chunks:0", "split:0", "delay", "delay:-5",
          "code:300", "noise@0", "echo%150", "bad-check@x"}) {
        SCOPED_TRACE(profile);
        Fault f;
        QString error;
        EXPECT_FALSE(Fault::parse(QString::fromLatin1(profile), f, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(SimFaults, WhenAFaultApplies) {
    std::mt19937 rng(7);
    Fault f;
    Fault::parse(QStringLiteral("silence@2,4"), f, nullptr);
    std::vector<int> hit;
    for (int n = 1; n <= 5; ++n)
        if (f.appliesTo(n, 0, rng)) hit.push_back(n);
    EXPECT_EQ(hit, (std::vector<int>{2, 4}));
    Fault::parse(QStringLiteral("refuse:51"), f, nullptr);
    EXPECT_TRUE(f.appliesTo(1, 51, rng));
    EXPECT_FALSE(f.appliesTo(1, 52, rng));
    Fault::parse(QStringLiteral("bad-check%30"), f, nullptr);
    int count = 0;
    for (int n = 1; n <= 4000; ++n) count += f.appliesTo(n, 0, rng);
    EXPECT_NEAR(count / 4000.0, 0.3, 0.03);
    // The same seed gives the same faults.
    std::mt19937 a(3), b(3);
    for (int n = 1; n <= 50; ++n) EXPECT_EQ(f.appliesTo(n, 0, a), f.appliesTo(n, 0, b));
}

TEST(SimFaults, CutsAndSpoilsAnswers) {
    const QByteArray answer = LongAnswer(31, 0, 8, 2, WireFloat(1.0));  // 14 bytes
    Fault chunks, split;
    Fault::parse(QStringLiteral("chunks:3"), chunks, nullptr);
    Fault::parse(QStringLiteral("split:1+2"), split, nullptr);
    const QList<QByteArray> three = CutAnswer(answer, &chunks);
    ASSERT_EQ(three.size(), 3);
    EXPECT_EQ(three.join(), answer);
    const QList<QByteArray> pieces = CutAnswer(answer, &split);
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_EQ(pieces[0], QByteArray(1, char(0x68)));
    EXPECT_EQ(pieces[1].size(), 2);
    EXPECT_EQ(CutAnswer(answer, nullptr), QList<QByteArray>{answer});

    struct Case {
        const char* profile;
        int at;  // the byte that differs
    };
    for (const Case& c : {Case{"bad-check", 12}, Case{"bad-length", 2}, Case{"bad-start", 0}}) {
        SCOPED_TRACE(c.profile);
        Fault f;
        Fault::parse(QString::fromLatin1(c.profile), f, nullptr);
        const QByteArray spoiled = Spoil(answer, f);
        ASSERT_EQ(spoiled.size(), answer.size());
        for (int i = 0; i < answer.size(); ++i) EXPECT_EQ(spoiled[i] != answer[i], i == c.at) << i;
    }
    Fault noise;
    Fault::parse(QStringLiteral("noise"), noise, nullptr);
    EXPECT_EQ(Spoil(answer, noise), QByteArray("\xFF\x00", 2) + answer);
    // A short answer has no length bytes: its end byte goes wrong instead.
    Fault length;
    Fault::parse(QStringLiteral("bad-length"), length, nullptr);
    EXPECT_EQ(Spoil(ShortAnswer(31, 0, 0), length)[5], char(0x17));
}

TEST(SimOptions, ReadsLinesAndTransmitters) {
    SimOptions o;
    QString error;
    const QStringList args = {"--link",
                              "/tmp/a",
                              "--pace",
                              "--baud",
                              "19200",
                              "--echo",
                              "--fault",
                              "silence@1",
                              "--type",
                              "K8410H10",
                              "--firmware",
                              "1.60",
                              "--pv",
                              "sine:50:10:60",
                              "--pv-noise",
                              "0.1",
                              "--address",
                              "5",
                              "--firmware",
                              "185",
                              "--serial",
                              "42",
                              "--fixed-range",
                              "--range",
                              "52",
                              "--device-errors",
                              "0x05",
                              "--cj-temp",
                              "21,5",
                              "--working-time",
                              "3600",
                              "--line",
                              "--link",
                              "/tmp/b",
                              "--answer-delay",
                              "20",
                              "--seed",
                              "9"};
    ASSERT_TRUE(ParseSimArguments(args, o, &error)) << error.toStdString();
    ASSERT_EQ(o.lines.size(), 2u);
    const LineOptions& a = o.lines[0];
    EXPECT_EQ(a.linkPath, QStringLiteral("/tmp/a"));
    EXPECT_TRUE(a.pace);
    EXPECT_TRUE(a.echo);
    EXPECT_EQ(a.baud, 19200);
    ASSERT_EQ(a.faults.size(), 1u);
    ASSERT_EQ(a.transmitters.size(), 2u);
    EXPECT_EQ(a.transmitters[0].address, 0);
    EXPECT_EQ(a.transmitters[0].typeName, QStringLiteral("K8410H10"));
    EXPECT_EQ(a.transmitters[0].firmware, 160);
    EXPECT_EQ(a.transmitters[0].pv.kind, PvSource::Sine);
    EXPECT_DOUBLE_EQ(a.transmitters[0].pv.noise, 0.1);
    const TransmitterProfile& t5 = a.transmitters[1];
    EXPECT_EQ(t5.address, 5);
    EXPECT_EQ(t5.firmware, 185);
    EXPECT_EQ(t5.serial, 42);
    EXPECT_TRUE(t5.fixedRange);
    EXPECT_EQ(t5.rangeCode, 52);
    EXPECT_EQ(t5.deviceErrors, 5);
    EXPECT_DOUBLE_EQ(t5.cjTemperature, 21.5);
    EXPECT_EQ(t5.workingTimeS, 3600);
    const LineOptions& b = o.lines[1];
    EXPECT_EQ(b.linkPath, QStringLiteral("/tmp/b"));
    EXPECT_EQ(b.answerDelayMs, 20);
    EXPECT_EQ(b.seed, 9u);
    ASSERT_EQ(b.transmitters.size(), 1u);  // a default one at address 0
    EXPECT_EQ(b.transmitters[0].address, 0);
}

TEST(SimOptions, RefusesWhatItCannotUse) {
    const QStringList bad[] = {
        {"--bogus"},
        {"--address", "32"},
        {"--address", "3", "--address", "3"},
        {"--type", "K8410H10", "--address", "0"},
        {"--baud"},
        {"--fault", "thunder"},
        {"--pv", "wave"},
        {"--device-errors", "200"},
        {"--firmware", "x"},
        {"stray"},
    };
    for (const QStringList& args : bad) {
        SCOPED_TRACE(args.join(' ').toStdString());
        SimOptions o;
        QString error;
        EXPECT_FALSE(ParseSimArguments(args, o, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(SimOptions, HelpDocumentsEveryOption) {
    // Every option the parser takes appears in the help text, and the help
    // names no option the parser does not take.
    const QStringList known = {
        "--help",         "--line",         "--link",           "--baud",
        "--pace",         "--answer-delay", "--echo",           "--trace",
        "--state",        "--seed",         "--fault",          "--address",
        "--type",         "--firmware",     "--serial",         "--range",
        "--fixed-range",  "--id-text",      "--manufacturer",   "--manufacture-date",
        "--pv",           "--pv-noise",     "--device-errors",  "--cj-temp",
        "--working-time", "--ptf",          "--foreign-tables", "--babble",
        "--parity",       "--check-line"};
    const QString usage = SimUsage();
    QSet<QString> documented;
    static const QRegularExpression option(QStringLiteral("(--[a-z-]+)"));
    for (auto it = option.globalMatch(usage); it.hasNext();) documented << it.next().captured(1);
    documented.remove(QStringLiteral("--port"));  // the example's lmk17-cli option
    for (const QString& o : known) {
        EXPECT_TRUE(documented.contains(o)) << o.toStdString();
        if (o == QLatin1String("--help")) continue;
        SimOptions parsed;
        QString error;
        QStringList args{o};
        // Options with a value get one that fits them all.
        if (!QStringList{"--line", "--pace", "--echo", "--fixed-range", "--foreign-tables",
                         "--check-line"}
                 .contains(o))
            args << "1";
        if (o == QLatin1String("--fault")) args.last() = QStringLiteral("echo");
        if (o == QLatin1String("--pv")) args.last() = QStringLiteral("const:1");
        if (o == QLatin1String("--parity")) args.last() = QStringLiteral("even");
        EXPECT_TRUE(ParseSimArguments(args, parsed, &error))
            << o.toStdString() << ": " << error.toStdString();
    }
    for (const QString& d : documented) EXPECT_TRUE(known.contains(d)) << d.toStdString();
}

}  // namespace
