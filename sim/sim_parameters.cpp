#include "sim_parameters.h"

#include "link/link_request.h"

namespace lmk17::sim {

namespace {

// The parameters of the configuration read/write sequence, the identity and
// the live values. Firmware 1.90 brought 73 and 163..165 (and the output
// position 30), 1.91 brought 114; 160..162 exist only in 1.81..1.89.
constexpr SimParameter kParameters[] = {
    {0, TypeFloat, 1, false, false},
    {1, TypeFloat, 1, true},
    {2, TypeFloat, 1, true},
    {3, TypeFloat, 1, true},
    {4, TypeFloat, 1, true},
    {5, TypeFloat, 1, true},
    {30, TypeFloat, 1, false, false, 190},
    {50, TypeBlock, 9, true},
    {51, TypeInt16, 1, true},
    {55, TypeFloat, 1, true},
    {70, TypeBlock, 1, true},
    {71, TypeFloat, 1, true},
    {72, TypeFloat, 1, true},
    {73, TypeFloat, 1, true, true, 190},
    {90, TypeFloat, 1, true, true, 0, 999, true},
    {91, TypeFloat, 1, true, true, 0, 999, true},
    {95, TypeFloat, 1, true, true, 0, 999, true},
    {96, TypeFloat, 1, true, true, 0, 999, true},
    {100, TypeFloat, 1, true},
    {101, TypeInt32, 1, false},
    {110, TypeInt16, 1, true},
    {111, TypeInt16, 1, true},
    {112, TypeInt16, 1, true},
    {113, TypeInt16, 1, true},
    {114, TypeInt16, 1, true, true, 191},
    {120, TypeText, 6, false},
    {121, TypeText, 2, true},
    {150, TypeInt16, 1, true},
    {151, TypeInt16, 1, true},
    {160, TypeBlock, 1, true, true, 181, 189},
    {161, TypeInt32, 1, true, true, 181, 189},
    {162, TypeInt32, 1, true, true, 181, 189},
    {163, TypeFloat, 1, true, true, 190},
    {164, TypeFloat, 1, true, true, 190},
    {165, TypeBlock, 1, true, true, 190},
    {200, TypeInt32, 1, false, false},
    {210, TypeFloat, 1, false, false},
    {211, TypeFloat, 1, false, false},
    {213, TypeFloat, 1, false, false},
    {215, TypeInt16, 1, false, false},
    {220, TypeFloat, 1, true, false},
};

}  // namespace

const SimParameter* FindSimParameter(int number) {
    for (const SimParameter& p : kParameters)
        if (p.number == number) return &p;
    return nullptr;
}

bool Carries(const SimParameter& p, int firmware, bool hasComparators) {
    if (firmware < p.fwMin || firmware > p.fwMax) return false;
    return !p.comparators || hasComparators;
}

}  // namespace lmk17::sim
