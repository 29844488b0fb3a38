// The standard characteristics that have segments of their own. Pt100 and the
// type J cold-junction cubic are the transmitters' established data; the other
// tables come from tools/stdtables (see there for how they are fitted).
#include "config/standard_table.h"

namespace lmk17 {

namespace {

struct OwnTable {
    int code;
    StandardTable table;
};

const OwnTable kOwnTables[] = {
    {11,
     {{{{18.43, 390.77, -202, 852},
        {-7.69177e-06, 0.002751376, 2.218552439, -241.9873493},
        {-2.33553e-06, 0.001689208, 2.291644347, -243.7196147},
        {3.6064e-07, 0.000923953, 2.360248047, -245.5954377},
        {2.42487e-06, -0.00011972, 2.536070106, -255.4700712},
        {1.28278e-06, 0.000475113, 2.432400152, -249.3838648},
        {1.67615e-06, 0.000141412, 2.525347403, -257.9113185},
        {2.21958e-06, -0.000340513, 2.668249957, -272.0680714},
        {1.90933e-06, -9.89652e-06, 2.549892998, -257.8547934}}},
      {0, 0, 0, 0}}},
};

}  // namespace

const StandardTable* OwnStandardTable(int code) {
    for (const OwnTable& t : kOwnTables)
        if (t.code == code) return &t.table;
    return nullptr;
}

}  // namespace lmk17
