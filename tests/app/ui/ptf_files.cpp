// Apart from the window tests: the defaults' names clash with the link's.
#include "ptf_files.h"

#include "config/defaults.h"
#include "files/ptf_writer.h"

namespace lmk17::test {

bool WriteDefaultPtf(const QString& path, int typeIndex, const char* typeText, int serial) {
    constexpr int kFirmware191 = 14;
    TransmitterConfig c;
    if (!SetDefaultConfiguration(c, typeIndex, 0, kFirmware191)) return false;
    c.TransmitterType = typeText;
    c.SerialNumber = serial;
    return WritePtfFile(path, c).isEmpty();
}

}  // namespace lmk17::test
