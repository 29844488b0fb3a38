#pragma once

#include <QString>
#include <QStringList>

namespace lmk17 {

// What the program was asked to do on its command line:
//
//     lmk17 [FILE.ptf ...] [FILE.lin ...]
//     lmk17 --demo [lmk17-sim options]
//     lmk17 --help | --version
struct CommandLine {
    bool help = false;
    bool version = false;
    bool demo = false;
    QStringList simulatorArguments;  // after --demo, but for this program's own files
    QStringList configurationFiles;  // the .ptf arguments (any case), in order
    QStringList linearizationFiles;  // the .lin arguments (any case), in order
    QStringList ignored;             // other file arguments: not configurations
    QString error;                   // an unknown option; empty when all is well
    QString unknownOption;           // the option the error names

    // The transmitter address the demo connects to: that of the first
    // --address among the simulator's options, else 0.
    int demoAddress() const;
};

// The arguments without the program name. Qt's own options have already
// been taken out by the application object.
CommandLine ParseCommandLine(const QStringList& arguments);

// Whether a file named on the command line is a configuration file: its
// extension, compared in lower case, is ".ptf".
bool IsConfigurationFileArgument(const QString& argument);
// The same for a linearization file: ".lin" in any case.
bool IsLinearizationFileArgument(const QString& argument);

QString CommandLineUsage();
// The line of the usage that names the manual's folder (or, when there is no
// manual, the place looked at first).
QString ManualFolderText(const QString& folder);
QString VersionText();

}  // namespace lmk17
