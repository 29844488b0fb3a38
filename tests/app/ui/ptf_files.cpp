// Apart from the window tests: the defaults' names clash with the link's.
#include "ptf_files.h"

#include "config/catalogue.h"
#include "config/defaults.h"
#include "files/ptf_writer.h"

namespace lmk17::test {

namespace {
constexpr int kFirmware191 = 14;
}

bool WriteCustomerLinearizationPtf(const QString& path) {
    TransmitterConfig c;
    const int type = FindType(QStringLiteral("K8620L21"));
    if (!SetDefaultConfiguration(c, type, FindRange(74), kFirmware191)) return false;
    c.LinSegTable[1][3] = 2000;  // a table of the customer's
    c.TransmitterType = "K8620L21, FW 1.91";
    c.SerialNumber = 444;
    return WritePtfFile(path, c).isEmpty();
}

bool WriteDefaultPtf(const QString& path, int typeIndex, const char* typeText, int serial) {
    TransmitterConfig c;
    if (!SetDefaultConfiguration(c, typeIndex, 0, kFirmware191)) return false;
    c.TransmitterType = typeText;
    c.SerialNumber = serial;
    return WritePtfFile(path, c).isEmpty();
}

}  // namespace lmk17::test
