#include "app/demo_transmitter.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>

#include <csignal>
#endif

namespace lmk17 {

DemoTransmitter::DemoTransmitter(QObject* parent) : QObject(parent) {
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
#ifdef Q_OS_LINUX
    // Should the program die without ending it, the simulator goes as well.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
}

DemoTransmitter::~DemoTransmitter() {
    stop();
}

bool DemoTransmitter::start(const QString& program, const QStringList& arguments, int timeoutMs) {
    m_error.clear();
    m_devicePath.clear();
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = m_process.errorString();
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (!m_process.canReadLine() && t.elapsed() < timeoutMs) {
        if (!m_process.waitForReadyRead(100) && m_process.state() == QProcess::NotRunning) break;
    }
    if (!m_process.canReadLine()) {
        m_error = QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed();
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("App", "lmk17-sim printed no device path");
        stop();
        return false;
    }
    m_devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    // From now on its description of the transmitters on stderr is read and
    // dropped: the user of the desktop program need not see it.
    connect(&m_process, &QProcess::readyReadStandardError, this,
            [this] { m_process.readAllStandardError(); });
    return true;
}

void DemoTransmitter::stop() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

}  // namespace lmk17
