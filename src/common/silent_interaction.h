#pragma once

#include "common/user_interaction.h"

namespace lmk17 {

// Shows nothing and gives every question the same answer, counting them: for
// runs with nobody to ask (fuzz targets, benchmarks).
class SilentInteraction : public UserInteraction {
public:
    explicit SilentInteraction(bool answer = false) : answer_(answer) {}
    int questions = 0;
    void message(MessageKind, const QString&) override {}
    bool question(Question, MessageKind, const QString&) override {
        ++questions;
        return answer_;
    }
    void progressShow(const QString&, int, bool) override {}
    void progressStep(int) override {}
    void progressClose() override {}

private:
    bool answer_;
};

}  // namespace lmk17
