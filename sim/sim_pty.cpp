#include "sim_pty.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace lmk17::sim {

namespace {

bool fail(QString* error, const QString& what) {
    if (error) *error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

}  // namespace

Pty::~Pty() {
    close();
}

bool Pty::open(QString* error) {
    close();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0) return fail(error, QStringLiteral("cannot make a pseudo-terminal"));
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        close();
        return fail(error, QStringLiteral("cannot unlock the pseudo-terminal"));
    }
    char name[256] = {};
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        close();
        return fail(error, QStringLiteral("cannot name the pseudo-terminal"));
    }
    devicePath_ = QString::fromLocal8Bit(name);
    keepSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (keepSlave_ < 0) {
        close();
        return fail(error, QStringLiteral("cannot open %1").arg(devicePath_));
    }
    // Raw: no echo, no line editing, no translation, so bytes pass unchanged
    // even before the program sets the port up.
    termios tio{};
    if (::tcgetattr(keepSlave_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(keepSlave_, TCSANOW, &tio);
    }
    return true;
}

bool Pty::lineSetTo(int baud, char parity) const {
    termios tio{};
    if (keepSlave_ < 0 || ::tcgetattr(keepSlave_, &tio) != 0) return false;
    const speed_t speed = ::cfgetospeed(&tio);
    const struct {
        int rate;
        speed_t code;
    } rates[] = {{600, B600},   {1200, B1200},   {2400, B2400},  {4800, B4800},
                 {9600, B9600}, {19200, B19200}, {38400, B38400}};
    bool speedMatches = false;
    for (const auto& r : rates)
        if (r.rate == baud) speedMatches = speed == r.code;
    const bool odd = (tio.c_cflag & PARODD) != 0;
    return speedMatches && odd == (parity == 'o');
}

void Pty::close() {
    if (!linkPath_.isEmpty()) {
        const QFileInfo info(linkPath_);
        if (info.isSymLink() && info.symLinkTarget() == devicePath_) QFile::remove(linkPath_);
        linkPath_.clear();
    }
    if (keepSlave_ >= 0) ::close(keepSlave_);
    if (master_ >= 0) ::close(master_);
    keepSlave_ = master_ = -1;
}

bool Pty::makeLink(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        if (!info.isSymLink()) {
            if (error) *error = QStringLiteral("%1 exists and is not a symbolic link").arg(path);
            return false;
        }
        QFile::remove(path);
    }
    if (::symlink(devicePath_.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0)
        return fail(error, QStringLiteral("cannot make the link %1").arg(path));
    linkPath_ = path;
    return true;
}

}  // namespace lmk17::sim
