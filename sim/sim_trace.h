#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTextStream>

namespace lmk17::sim {

// The line's trace file: every frame in both directions, as hex and decoded,
// with the time since the start in milliseconds.
class SimTrace {
public:
    bool open(const QString& path, QString* error);
    bool isOpen() const { return file_.isOpen(); }
    void frame(const char* direction, const QByteArray& bytes, const QString& decoded);
    void note(const QString& text);

private:
    QFile file_;
    QTextStream out_;
    QElapsedTimer clock_;
};

}  // namespace lmk17::sim
