#include "cli/stop_signals.h"

namespace lmk17::cli {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void onStopSignal(int) {
    stopRequested = 1;
}

}  // namespace

StopSignals::StopSignals() {
    stopRequested = 0;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &previous_[i]);
}

StopSignals::~StopSignals() {
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &previous_[i], nullptr);
}

bool StopSignals::requested() {
    return stopRequested != 0;
}

void StopSignals::clear() {
    stopRequested = 0;
}

}  // namespace lmk17::cli
