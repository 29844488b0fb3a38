#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "sim_line.h"

namespace lmk17::sim {

struct SimOptions {
    std::vector<LineOptions> lines;
    bool help = false;
};

// The command line of lmk17-sim (without the program name); false with a
// reason on the first thing it cannot use.
bool ParseSimArguments(const QStringList& args, SimOptions& out, QString* error);

// The text of lmk17-sim --help.
QString SimUsage();

}  // namespace lmk17::sim
