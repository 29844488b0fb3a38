#pragma once

#include "app/app_settings.h"

namespace lmk17 {

class PortConnection;
class PortList;
struct ScanHit;

// The serial port from the settings at start-up: the link settings first,
// then the system's ports are listed and the stored port (by its device path,
// else its list position) is connected; with none stored a port is searched
// for. Returns the list position connected (0: none).
int RestorePort(const SerialPortSettings& stored, PortConnection& connection, PortList& ports);

// What the close writes back of the connection into the settings, and how
// much of [SerialPort] goes to the file: everything for a port of the list,
// only the link settings for the software transmitter of a demonstration
// (its terminal is gone at the next start), nothing of the port when none is
// connected.
PortWrite StorePort(SerialPortSettings& settings, const PortConnection& connection,
                    const PortList& ports, bool demo);

// A transmitter picked from the search: the program talks to it from now
// on (its baud rate, parity and address; kept in the settings at the close).
void UseFoundTransmitter(PortConnection& connection, const ScanHit& hit);

}  // namespace lmk17
