#include "app/demo_transmitter.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>

#include <csignal>
#endif

namespace lmk17 {

DemoTransmitter::DemoTransmitter(QObject* parent) : QObject(parent) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
#ifdef Q_OS_LINUX
    // Should the program die without ending it, the simulator goes as well.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
}

DemoTransmitter::~DemoTransmitter() {
    stop();
}

bool DemoTransmitter::start(const QString& program, const QStringList& arguments, int timeoutMs) {
    error_.clear();
    devicePath_.clear();
    process_.start(program, arguments);
    if (!process_.waitForStarted(timeoutMs)) {
        error_ = process_.errorString();
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (!process_.canReadLine() && t.elapsed() < timeoutMs) {
        if (!process_.waitForReadyRead(100) && process_.state() == QProcess::NotRunning) break;
    }
    if (!process_.canReadLine()) {
        error_ = QString::fromLocal8Bit(process_.readAllStandardError()).trimmed();
        if (error_.isEmpty())
            error_ = QCoreApplication::translate("App", "lmk17-sim printed no device path");
        stop();
        return false;
    }
    devicePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    // From now on its description of the transmitters on stderr is read and
    // dropped: the user of the desktop program need not see it.
    connect(&process_, &QProcess::readyReadStandardError, this,
            [this] { process_.readAllStandardError(); });
    return true;
}

void DemoTransmitter::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

}  // namespace lmk17
