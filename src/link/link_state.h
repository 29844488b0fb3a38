#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "link/frame.h"

namespace lmk17 {

// The state of the one link (owned by the engine, read by everyone).
struct LinkState {
    // Holds the request while it is built and sent, then the answer as it arrives.
    std::array<std::uint8_t, kFrameBufferSize> buffer{};
    int count = 0;                    // bytes of the answer collected so far
    bool frameInProcessing = false;   // a complete answer is being decoded
    bool requestOutstanding = false;  // sent, not yet ended by answer, error or time-out
    int result = 0;                   // outcome of the last exchange
    bool deviceError = false;         // device-error bit of the last answer
    int attemptsLeft = 0;
    bool questionOpen = false;    // an operation's question is showing
    bool answerDeferred = false;  // an exchange ended while the question showed
};

// What the progress window shows; the engine keeps it so it can hide the
// window for a question and bring it back exactly as it was.
struct ProgressState {
    bool visible = false;
    bool warning = false;  // the red "Do not Disconnect Communication Cable!" label
    QString caption;
    int maximum = 0;
    int position = 0;
};

}  // namespace lmk17
