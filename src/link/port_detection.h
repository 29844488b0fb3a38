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
};

inline constexpr int kDetectionSettleMs = 50;

// Finds the port the transmitter's interface hangs on: the first port whose
// CTS and DSR follow RTS and DTR (both on when set, both off when cleared),
// else the first port that opens, else 0 (" Not Connected"). Every port is
// closed again afterwards.
int DetectPort(DetectionPorts& ports);

// The real ports: the system devices of a port list (its stable names left
// out, they are the same devices again), opened through the driver with its
// current baud rate and parity.
class CommPortCandidates : public DetectionPorts {
public:
    CommPortCandidates(TCommPortDriver& driver, const PortList& list);

    int count() const override { return int(items_.size()); }
    bool open(int port) override;
    void setRtsDtr(bool on) override;
    ModemStatus modemStatus() override;
    void wait(int ms) override;
    void close() override;

    // The port-list item of a candidate (0 stays 0).
    int itemOf(int port) const { return port > 0 ? items_.at(size_t(port - 1)) : 0; }

private:
    TCommPortDriver& driver_;
    const PortList& list_;
    std::vector<int> items_;
};

// DetectPort over the real ports; returns the port-list item.
int DetectSerialPort(TCommPortDriver& driver, const PortList& list);

}  // namespace lmk17
