// Linearization files come from anywhere: the reader must refuse or accept
// any bytes without a crash, for each kind of range (RTD, CJ, plain).

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "common/ini_file.h"
#include "config/catalogue.h"
#include "linearization/lin_file.h"
#include "linearization/lin_record.h"

using namespace lmk17;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const IniFile ini = IniFile::fromBytes(bytes);
    (void)ini.toBytes();
    for (int code : {91, 95, 93}) {
        const int index = FindRange(code);
        LinData current;
        Default2LinPom(current, index, true);
        current.pom.HasCjc = RangeHasCjc(index);
        current.pom.HasRtd = RangeHasRtd(index);
        const LinLoadResult r = LinFromIni(ini, current, index, nullptr);
        if (r.ok) (void)LinToIni(r.data, index).toBytes();
    }
    return 0;
}
