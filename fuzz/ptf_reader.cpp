// Any byte string as a configuration file: reading it, and loading it into a
// configuration that already holds a record, must never crash or read outside
// the bytes, and a load that fails must leave the current record untouched.
// What loads is then checked completely and turned into an ordering code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/silent_interaction.h"
#include "config/catalogue.h"
#include "config/defaults.h"
#include "config/ordering_code.h"
#include "config/validation_model.h"
#include "files/config_load.h"
#include "files/ptf_reader.h"

namespace {

void startingConfiguration(lmk17::ConfigModel& model) {
    lmk17::TransmitterConfig c;
    lmk17::SetDefaultConfiguration(c, 28, 0, 14);
    c.TransmitterType = "K8620L20, FW 1.91";
    model.setConfig(c);
    lmk17::ConfigIdentity id;
    id.identificationText = c.TransmitterType;
    id.typeIndex = 28;
    id.firmwareIndex = 14;
    id.rangeIndex = lmk17::FindRange(c.InputRangeCode);
    model.setIdentity(id);
    model.RefreshFromConfig();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static lmk17::SilentInteraction ui(true);
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    lmk17::ParsePtf(content, QStringLiteral("fuzz.ptf"));

    lmk17::ConfigModel model(ui);
    startingConfiguration(model);
    const lmk17::TransmitterConfig before = model.config();
    const lmk17::LoadOutcome loaded =
        lmk17::LoadConfigContent(model, content, QStringLiteral("fuzz.ptf"), false, ui);
    if (!loaded.loaded) {
        if (!(model.config() == before) || model.identity().typeIndex != 28) std::abort();
        return 0;
    }
    lmk17::BuildOrderingCode(model.config(), model.identity().typeIndex,
                             model.identity().firmwareIndex);
    lmk17::CheckAll(model);
    return 0;
}
