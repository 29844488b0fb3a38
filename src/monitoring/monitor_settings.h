#pragma once

#include <QString>

#include "monitoring/monitor_parameters.h"

namespace lmk17 {

class IniFile;

// The [Monitor] section of the settings file: the values of the monitoring
// parameters dialog, each read back through the check its field applies, so
// a stored value out of range is clamped exactly as a typed one.
//
// Besides the single `Address` (kept and written as before), the key
// `Addresses` holds the address list as typed ("0,3,5-7"); empty or
// missing means the one address. A list that does not read is ignored.
inline constexpr char kMonitorSection[] = "Monitor";
inline constexpr char kMonAddressesKey[] = "Addresses";

void LoadMonitorSettings(const IniFile& ini, MonitorParameters& p);
void SaveMonitorSettings(IniFile& ini, const MonitorParameters& p);

}  // namespace lmk17
