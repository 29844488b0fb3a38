#pragma once

#include <QCoreApplication>
#include <QString>

namespace lmk17 {

// Every text of the printouts, replaced by the language modules.
inline QString ReportText(const char* text) {
    return QCoreApplication::translate("Protocol", text);
}

}  // namespace lmk17
