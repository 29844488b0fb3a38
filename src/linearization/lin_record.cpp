#include "linearization/lin_record.h"

#include <cmath>

#include "config/catalogue.h"
#include "config/transmitter_config.h"

namespace lmk17 {

namespace {

int InputType(int rangeIndex) {
    const InputRangeEntry* range = RangeAt(rangeIndex);
    return range ? range->Code : 0;
}

bool Moved(double now, double old) {
    return std::fabs(now - old) > 1e-6 * std::fabs(old);
}

}  // namespace

bool RangeHasCjc(int rangeIndex) {
    return InputType(rangeIndex) == 95;
}

bool RangeHasRtd(int rangeIndex) {
    const int type = InputType(rangeIndex);
    return type == 91 || type == 92;
}

void OpenLinPom(LinPom& pom, const TransmitterConfig& config, int rangeIndex) {
    pom.DisplayConfig = config.RangeFlags;
    pom.DisplayFactor = config.DisplayFactor;
    pom.LinSegTable = config.LinSegTable;
    pom.CjcPoly = config.CjcPoly;
    pom.PvUnit = config.PvUnit;
    pom.HasCjc = RangeHasCjc(rangeIndex) ? 1 : 0;
    pom.HasRtd = RangeHasRtd(rangeIndex) ? 1 : 0;
}

bool CommitLinPom(const LinPom& pom, TransmitterConfig& config, bool editorUnsaved) {
    bool modified = editorUnsaved;
    const quint8 flags = quint8((config.RangeFlags & ~kDisplayConfigMask) |
                                (pom.DisplayConfig & kDisplayConfigMask));
    modified |= flags != config.RangeFlags || pom.PvUnit != config.PvUnit;
    modified |= Moved(pom.DisplayFactor, config.DisplayFactor);
    for (size_t n = 0; n < 4; ++n) modified |= Moved(pom.CjcPoly[n], config.CjcPoly[n]);
    for (size_t k = 0; k < 4; ++k)
        for (size_t s = 0; s < 9; ++s)
            modified |= Moved(pom.LinSegTable[k][s], config.LinSegTable[k][s]);

    config.RangeFlags = flags;
    config.DisplayFactor = pom.DisplayFactor;
    config.LinSegTable = pom.LinSegTable;
    config.CjcPoly = pom.CjcPoly;
    config.PvUnit = pom.PvUnit;
    return modified;
}

void Default2LinPom(LinData& data, int rangeIndex, bool resetEditor) {
    LinPom& pom = data.pom;
    StandardToLinPom(LoadStandardTables(InputType(rangeIndex)), pom);
    pom.DisplayFactor = 1.0;
    pom.DisplayConfig = quint8(pom.DisplayConfig & ~0x03);
    pom.PvUnit = 0;
    if (resetEditor) {
        pom.PvUnit = UnitSlot(0).Code;
        data.LinPoints.Clear();
        data.CJCPoints.Clear();
    }
}

}  // namespace lmk17
