#pragma once

#include <QString>

namespace lmk17::sim {

// One pseudo-terminal: the simulator holds the master side, the program under
// test opens the slave device like a serial port.
class Pty {
public:
    Pty() = default;
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    ~Pty();

    bool open(QString* error);
    void close();
    int masterFd() const { return master_; }
    QString devicePath() const { return devicePath_; }

    // A stable name for the device: a symbolic link that is replaced when it
    // already is one (never a regular file) and removed again on close.
    bool makeLink(const QString& path, QString* error);
    QString linkPath() const { return linkPath_; }

    // Whether the program has set the terminal to this speed and parity. A
    // pseudo-terminal keeps the speed but no parity bit; of the parity only
    // the "odd" flag survives, and a port set to none keeps the flag it had,
    // so only "odd was set last" or not can be told.
    bool lineSetTo(int baud, char parity) const;

private:
    int master_ = -1;
    // The simulator keeps the slave open itself, so that the master never
    // sees a hang-up while no program has the port open.
    int keepSlave_ = -1;
    QString devicePath_;
    QString linkPath_;
};

}  // namespace lmk17::sim
