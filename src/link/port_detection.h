#pragma once

#include <vector>

#include "link/link_parameters.h"
#include "link/modem_status.h"

namespace lmk17 {

class PortList;
class TCommPortDriver;

// What the search for the transmitter's port needs of the ports; tests fake
// it, CommPortCandidates is the real one.
class DetectionPorts {
public:
    virtual ~DetectionPorts() = default;

    // The candidate ports are 1..count().
    virtual int count() const = 0;
    // Selects the port, applies the link settings and opens it.
    virtual bool open(int port) = 0;
    // Sets or clears RTS and DTR together.
    virtual void setRtsDtr(bool on) = 0;
    virtual ModemStatus modemStatus() = 0;
    // Waits, letting pending events run.
    virtual void wait(int ms) = 0;
    virtual void close() = 0;
    // Whether the port may be taken only for opening, when no port answers:
    // an adapter the user plugged in, or a device named; not a built-in
    // port, which opens on nearly every machine with nothing attached.
    virtual bool takenWithoutAnswer(int port) const {
        (void)port;
        return true;
    }
};

inline constexpr int kDetectionSettleMs = 50;

// Finds the port the transmitter's interface hangs on: the first port whose
// CTS and DSR follow RTS and DTR (both on when set, both off when cleared),
// else the first port that opens and may be taken without an answer, else 0
// (" Not Connected"). Every port is closed again afterwards.
int DetectPort(DetectionPorts& ports);

// One port the search tries: its item in the port list, and whether it may
// be taken without an answer (see DetectionPorts).
struct PortCandidate {
    int item = 0;
    bool takenWithoutAnswer = true;
};

// The ports a search tries, in order: the system devices of the list (its
// stable names left out, they are the same devices again), USB serial
// adapters (the devices with a /dev/serial/by-id/ name) first, then the
// others in list order. A built-in port (/dev/ttyS…) is taken only when the
// interface converter answers on it.
std::vector<PortCandidate> DetectionCandidates(const PortList& list);

// The item a found port is selected as: its /dev/serial/by-id/ name when
// the list has it (the choice then survives re-plugging the adapter), else
// the item itself.
int PreferredItem(const PortList& list, int item);

// The real ports: the candidates of a port list, opened through the driver
// with its current baud rate and parity.
class CommPortCandidates : public DetectionPorts {
public:
    CommPortCandidates(TCommPortDriver& driver, const PortList& list);

    int count() const override { return int(items_.size()); }
    bool open(int port) override;
    void setRtsDtr(bool on) override;
    ModemStatus modemStatus() override;
    void wait(int ms) override;
    void close() override;
    bool takenWithoutAnswer(int port) const override {
        return items_.at(size_t(port - 1)).takenWithoutAnswer;
    }

    // The port-list item of a candidate (0 stays 0).
    int itemOf(int port) const { return port > 0 ? items_.at(size_t(port - 1)).item : 0; }

private:
    TCommPortDriver& driver_;
    const PortList& list_;
    std::vector<PortCandidate> items_;
};

// DetectPort over the real ports; returns the port-list item (the stable
// name's, see PreferredItem).
int DetectSerialPort(TCommPortDriver& driver, const PortList& list);

}  // namespace lmk17
