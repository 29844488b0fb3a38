#include "app/config_comparison.h"

#include <QEventLoop>

#include "common/silent_interaction.h"
#include "config/config_model.h"
#include "config/validation_model.h"
#include "files/config_load.h"
#include "operations/transmitter_session.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

ComparisonSide ReadForComparison(TransmitterStack& stack, OperationOutcome* outcome) {
    ComparisonSide side;
    if (outcome) *outcome = OperationOutcome::None;
    if (!stack.idle()) return side;
    side.model = std::make_unique<ConfigModel>(stack.ui());
    OperationOutcome ended = OperationOutcome::None;
    {
        // A session of its own on the stack's engine reads into the side's
        // record; the stack's session takes the engine's steps back after.
        TransmitterSession reader(stack.engine(), *side.model, stack.ui());
        QEventLoop loop;
        bool done = false;
        QObject::connect(&reader, &TransmitterSession::operationEnded, &loop,
                         [&](OperationOutcome o) {
                             ended = o;
                             done = true;
                             loop.quit();
                         });
        // Each exchange has its own time-out; the read ends one way or another.
        if (reader.startRead() && !done) loop.exec();
        if (!done) ended = reader.lastOutcome();
    }
    stack.session().registerSteps();
    if (outcome) *outcome = ended;
    side.ok = ended == OperationOutcome::Completed && side.model->hasConfiguration();
    // What a file of it would hold: the check a save runs sets the derived values.
    if (side.ok) CheckAll(*side.model);
    return side;
}

ComparisonSide LoadForComparison(const QString& fileName, UserInteraction& ui) {
    ComparisonSide side;
    side.model = std::make_unique<ConfigModel>(ui);
    const LoadOutcome loaded = DiskLoadPom(*side.model, fileName, true, ui);
    side.ok = loaded.loaded && !loaded.corrupt;
    return side;
}

ConfigurationComparison CompareWithWindow(const ConfigModel& window, const ComparisonSide& other) {
    if (!other.ok || !other.model) return {};
    // Like with like: the window's configuration as a file of it would hold
    // it, as the other side is. A configuration just read then equals its
    // transmitter, instead of differing in the values the check sets (a
    // cold-junction temperature the connection does not use, a comparator
    // the type does not have). The window's own configuration stays as it is.
    SilentInteraction quiet;
    ConfigModel checked(quiet);
    {
        ConfigModel::Edit edit = checked.edit();
        edit.identity() = window.identity();
        edit.config() = window.config();
    }
    checked.RefreshFromConfig();
    CheckAll(checked);
    return CompareConfigurations(checked, *other.model);
}

}  // namespace lmk17
