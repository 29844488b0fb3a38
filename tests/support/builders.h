#pragma once

#include "config/transmitter_config.h"
#include "link/link_request.h"

// The records and requests the tests start from, built one way everywhere.

namespace lmk17::test {

// A read or write request of one parameter, as the engine frames it.
LinkRequest ReadRequest(int parameter, int type, int da = 0, int row = 0);
LinkRequest WriteRequest(int parameter, int type, int da = 0, int row = 0);

// The default configuration of a catalogue type (1..41) and firmware
// (1..18), with the type text the transmitter reports.
TransmitterConfig DefaultConfig(int typeIndex, int firmwareIndex, const char* typeText);

// A record holding only the defaults of an input range (by its code), as the
// linearization starts from.
TransmitterConfig CustomerConfig(int rangeCode);

// A record whose every field holds a distinct value (the user note in
// Windows-1250), so that a field written or read at the wrong offset, or
// confused with its neighbour, shows up.
TransmitterConfig DistinctRecord(const char* signature = "PT-FILE04");

}  // namespace lmk17::test
