#pragma once

namespace lmk17::sim {

// What a simulated transmitter knows about each parameter number: its data
// type, how many rows it has, whether it can be written, and which firmware
// and type carry it at all.
struct SimParameter {
    int number = 0;
    int type = 0;  // data type code of the wire
    int rows = 1;  // rows of a block or text parameter; 1 otherwise
    bool writable = false;
    bool stored = true;  // false: computed on every read (PV, output, times...)
    int fwMin = 0;       // firmware number range carrying it
    int fwMax = 999;
    bool comparators = false;  // only types with limit comparators carry it
};

// nullptr for a parameter number no transmitter knows.
const SimParameter* FindSimParameter(int number);

// Whether a transmitter with this firmware and comparator equipment carries it.
bool Carries(const SimParameter& p, int firmware, bool hasComparators);

}  // namespace lmk17::sim
