// What lmk17-cli says about itself: the global help, each command's own help
// (the manual page is made from these texts) and the version.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "support/cli_process.h"

namespace lmk17::test {
namespace {

// The command names of the global help's command list.
QStringList CommandNames(const QString& globalHelp) {
    QStringList names;
    const QString list = globalHelp.section(QStringLiteral("\ncommands:\n"), 1);
    static const QRegularExpression head(QStringLiteral("^  ([a-z-]+(?: [a-z-]+)?)(?: |$)"));
    for (const QString& line : list.split(QLatin1Char('\n'))) {
        const auto m = head.match(line);
        if (m.hasMatch()) names << m.captured(1);
    }
    return names;
}

QStringList TrailingBlankLines(const QString& text) {
    QStringList bad;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.endsWith(QLatin1Char(' '))) bad << line;
    return bad;
}

TEST(CliHelp, EveryCommandHasItsOwnHelp) {
    const CliResult global = RunCli({QStringLiteral("--help")});
    ASSERT_EQ(global.exitCode, 0);
    EXPECT_EQ(RunCli({QStringLiteral("-h")}).out, global.out);
    EXPECT_EQ(TrailingBlankLines(global.out), QStringList());
    const QStringList names = CommandNames(global.out);
    ASSERT_GE(names.size(), 20) << global.out.toStdString();

    static const QRegularExpression optionName(QStringLiteral("(--[a-z][a-z0-9-]*|-o)\\b"));
    QSet<QString> helps;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QStringList words = name.split(QLatin1Char(' '));
        const CliResult r = RunCli(words + QStringList{QStringLiteral("--help")});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_NE(r.out, global.out);
        EXPECT_FALSE(helps.contains(r.out)) << "the same help as another command";
        helps.insert(r.out);
        EXPECT_EQ(RunCli(words + QStringList{QStringLiteral("-h")}).out, r.out);
        EXPECT_EQ(RunCli(QStringList{QStringLiteral("help")} + words).out, r.out);
        EXPECT_EQ(TrailingBlankLines(r.out), QStringList());

        const QString synopsis = r.out.section(QStringLiteral("\n\n"), 0, 0);
        EXPECT_TRUE(
            synopsis.startsWith(QStringLiteral("usage: lmk17-cli [global options] ") + name))
            << synopsis.toStdString();
        // Every option the synopsis offers is explained under "options:".
        const QString options = r.out.section(QStringLiteral("\noptions:\n"), 1)
                                    .section(QStringLiteral("\nexit codes:\n"), 0, 0);
        for (auto it = optionName.globalMatch(synopsis); it.hasNext();) {
            const QString option = it.next().captured(1);
            EXPECT_TRUE(options.contains(option)) << option.toStdString();
        }
        EXPECT_TRUE(r.out.contains(QStringLiteral("\nexit codes:\n  0  ")));
        EXPECT_TRUE(r.out.contains(QStringLiteral("\nexample:\n  lmk17-cli ")));
        EXPECT_TRUE(r.out.contains(QLatin1Char(' ') + words.last()))
            << "the example uses the command";
    }
}

TEST(CliHelp, HelpBeforeOrAfterGlobalOptions) {
    const CliResult own = RunCli({QStringLiteral("monitor"), QStringLiteral("--help")});
    const CliResult withPort = RunCli({QStringLiteral("--port"), QStringLiteral("/dev/ttyUSB0"),
                                       QStringLiteral("--help"), QStringLiteral("monitor")});
    EXPECT_EQ(withPort.exitCode, 0);
    EXPECT_EQ(withPort.out, own.out);
    // No command, or none known: the global help.
    const CliResult unknown = RunCli({QStringLiteral("nosuch"), QStringLiteral("--help")});
    EXPECT_EQ(unknown.exitCode, 0);
    EXPECT_TRUE(unknown.out.contains(QStringLiteral("\ncommands:\n")));
    // A file operand named --help after the end-of-options marker is no help request.
    const CliResult operand =
        RunCli({QStringLiteral("show"), QStringLiteral("--"), QStringLiteral("--help")});
    EXPECT_EQ(operand.exitCode, 3) << operand.err.toStdString();
}

// "lmk17-cli lin --help" gave the global help and "lmk17-cli lin" said
// "unknown command": a group's word leads to its own commands.
TEST(CliHelp, AGroupWordListsItsCommands) {
    const QStringList names = CommandNames(RunCli({QStringLiteral("--help")}).out);
    for (const char* group : {"lin", "frame", "raw"}) {
        SCOPED_TRACE(group);
        const QString word = QLatin1String(group);
        const QStringList members = names.filter(QRegularExpression(QLatin1Char('^') + word + ' '));
        ASSERT_GE(members.size(), 2);
        const CliResult help = RunCli({word, QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(RunCli({QStringLiteral("help"), word}).out, help.out);
        const CliResult alone = RunCli({word});
        EXPECT_EQ(alone.exitCode, 2);
        const CliResult typo = RunCli({word, QStringLiteral("fitt")});
        EXPECT_EQ(typo.exitCode, 2);
        EXPECT_TRUE(typo.err.contains(QStringLiteral("(not 'fitt')")));
        EXPECT_EQ(CommandNames(help.out), members) << help.out.toStdString();
        EXPECT_EQ(CommandNames(alone.err), members) << alone.err.toStdString();
        EXPECT_EQ(TrailingBlankLines(help.out), QStringList());
    }
}

TEST(CliHelp, VersionOfEachProgram) {
    static const QRegularExpression version(
        QStringLiteral("^lmk17-(cli|sim) \\d+\\.\\d+\\.\\d+\\n$"));
    const CliResult cli = RunCli({QStringLiteral("--version")});
    EXPECT_EQ(cli.exitCode, 0);
    EXPECT_TRUE(version.match(cli.out).hasMatch()) << cli.out.toStdString();
    QProcess sim;
    sim.start(SimProgram(), {QStringLiteral("--version")});
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitCode(), 0);
    const QString simOut = QString::fromUtf8(sim.readAllStandardOutput());
    EXPECT_TRUE(version.match(simOut).hasMatch()) << simOut.toStdString();
    EXPECT_EQ(simOut.section(QLatin1Char(' '), 1), cli.out.section(QLatin1Char(' '), 1));
}

}  // namespace
}  // namespace lmk17::test
