#pragma once

#include <csignal>

namespace lmk17::cli {

// While it lives, Ctrl-C (SIGINT), SIGTERM and SIGHUP only raise a flag that
// the command looks at between events, so a long command ends the same clean
// way whichever of them stops it (footer written, log closed, the operation
// stopped as its Stop button would). The previous handlers come back when it
// goes.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool requested();
    static void clear();

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[3];
};

}  // namespace lmk17::cli
