// The settings file is the user's to edit: its reader must take any bytes,
// the program's own sections and the monitoring's, without a crash, and what
// it read must write back and read again the same.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "app/app_settings.h"
#include "common/ini_file.h"
#include "monitoring/monitor_parameters.h"
#include "monitoring/monitor_settings.h"

using namespace lmk17;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (qint64(size) > IniFile::kMaxFileSize) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const IniFile ini = IniFile::fromBytes(bytes);
    const AppFolders folders{QStringLiteral("/data/"), QStringLiteral("/files/")};
    const AppSettings app = ReadAppSettings(ini, folders);
    MonitorParameters monitor;
    LoadMonitorSettings(ini, monitor);

    IniFile written;
    WriteAppSettings(written, app, PortWrite::Full);
    SaveMonitorSettings(written, monitor);
    IniFile again = IniFile::fromBytes(written.toBytes());
    MonitorParameters reread;
    LoadMonitorSettings(again, reread);
    (void)ReadAppSettings(again, folders);
    if (MonAddressListText(reread.addresses) != MonAddressListText(monitor.addresses))
        __builtin_trap();  // the address list did not survive its own round trip
    return 0;
}
