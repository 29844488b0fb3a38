#pragma once

// What the live commands (pv, cj, working-time, output-test) share: the
// configuration read that every live operation needs first, and the line a
// PV reading prints.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "cli/session_setup.h"
#include "operations/live_readings.h"

namespace lmk17::cli {

// Identification lets a live operation run only on the configuration read
// from the same transmitter: read it first. False (reported) when the read
// did not complete.
inline bool ReadConfigurationFirst(CliSession& s, Context& c) {
    const OperationOutcome outcome = s.run([&] { return s.session().startRead(); });
    if (outcome == OperationOutcome::Completed && s.model().hasConfiguration()) return true;
    if (!s.interrupted())
        c.err << "lmk17-cli: the transmitter's configuration could not be read" << Qt::endl;
    return false;
}

inline void PrintPvReading(Context& c, const PvReadingResult& r) {
    if (c.options.json) {
        QJsonObject o{{"pv", r.pv},
                      {"pvText", r.pvText},
                      {"output", r.output},
                      {"outputText", r.outputText},
                      {"position", r.position},
                      {"testMode", r.testMode},
                      {"deviceError", r.deviceError},
                      {"status", int(r.status)},
                      {"errors", QJsonArray::fromStringList(r.errorLines)}};
        c.out << QJsonDocument(o).toJson(QJsonDocument::Compact) << Qt::endl;
        return;
    }
    c.out << "PV: " << r.pvText.trimmed() << "   output: " << r.outputText
          << "   test mode: " << (r.testMode ? "active" : "off") << "   device errors: ";
    if (r.errorLines.isEmpty())
        c.out << (r.deviceError ? "reported" : "none");
    else
        for (int i = 0; i < r.errorLines.size(); ++i) c.out << (i ? ";" : "") << r.errorLines[i];
    c.out << Qt::endl;
}

}  // namespace lmk17::cli
