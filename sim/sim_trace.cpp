#include "sim_trace.h"

#include <QDateTime>

namespace lmk17::sim {

bool SimTrace::open(const QString& path, QString* error) {
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot write the trace %1: %2").arg(path, file_.errorString());
        return false;
    }
    out_.setDevice(&file_);
    clock_.start();
    note(QStringLiteral("trace started %1")
             .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs)));
    return true;
}

void SimTrace::frame(const char* direction, const QByteArray& bytes, const QString& decoded) {
    if (!file_.isOpen()) return;
    out_ << QString::number(clock_.nsecsElapsed() / 1e6, 'f', 3) << ' ' << direction << ' '
         << bytes.toHex(' ').toUpper() << "  | " << decoded << '\n';
    out_.flush();
}

void SimTrace::note(const QString& text) {
    if (!file_.isOpen()) return;
    out_ << QString::number(clock_.nsecsElapsed() / 1e6, 'f', 3) << " -- " << text << '\n';
    out_.flush();
}

}  // namespace lmk17::sim
