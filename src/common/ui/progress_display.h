#pragma once

#include <QString>

namespace lmk17 {

// What shows the progress of a transmitter operation (the progress window).
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void showProgress(const QString& caption, int maximum, bool warning) = 0;
    virtual void stepProgress(int position) = 0;
    virtual void closeProgress() = 0;
};

}  // namespace lmk17
