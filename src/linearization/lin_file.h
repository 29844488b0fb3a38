#pragma once

#include <QtGlobal>

#include <QString>

#include "common/ini_file.h"
#include "common/user_interaction.h"
#include "linearization/lin_pom.h"

namespace lmk17 {

inline constexpr char kLinFileVersion[] = "Lin-1.0";

// The texts the editor shows around saving (its own grid and constants
// checks run before Lin2File).
inline constexpr char kLinSaved[] =
    QT_TRANSLATE_NOOP("Linearization", "Data was saved without any errors.");
inline constexpr char kLinSaveBadPoints[] = QT_TRANSLATE_NOOP(
    "Linearization",
    "Cannot save data unless errors are in table of the points for the linearization.");
inline constexpr char kLinSaveBadCjcPoints[] = QT_TRANSLATE_NOOP(
    "Linearization",
    "Cannot save data unless errors are in table of the points for the cold junction "
    "compensation.");
inline constexpr char kLinSaveBadRtd[] = QT_TRANSLATE_NOOP(
    "Linearization",
    "Cannot save data unless errors are in 'Sensor-Specific Characterization' section.");

// The editor's CJ unit texts, trimmed, by CjcXUnit.
QString CjcUnitText(int cjcXUnit);

struct LinFileResult {
    bool ok = false;
    QString message;  // the error to show, or kLinSaved after saving
};

// Lin2File: writes the editor's data for the selected range to `path`. An
// empty path means the user cancelled the file dialog. An existing file is
// overwritten only after the user agrees, and is replaced only once the new
// file is complete. Shows the progress through `ui`.
LinFileResult Lin2File(const LinData& data, int rangeIndex, const QString& path,
                       UserInteraction& ui);

// The file's text as Lin2File writes it (for tests and the command line).
IniFile LinToIni(const LinData& data, int rangeIndex);

struct LinLoadResult {
    bool ok = false;
    QString message;  // the error to show
    LinData data;     // on success, everything the editor takes over
    // Whether the file carried its segment table; an older layout without
    // one leaves the current table in `data`.
    bool hasSegmentTable = false;
};

// File2Lin: reads `path` for the selected range into a copy of `current`
// (HasCjc and HasRtd kept, point tables from the file). Nothing of `current`
// changes; on failure the result holds the error text. An empty path means
// the user cancelled the file dialog.
LinLoadResult File2Lin(const QString& path, const LinData& current, int rangeIndex,
                       UserInteraction& ui);

// The checks and reading of File2Lin over a file's contents; `ui` may be null.
LinLoadResult LinFromIni(const IniFile& ini, const LinData& current, int rangeIndex,
                         UserInteraction* ui);

}  // namespace lmk17
