#include "app/port_settings.h"

#include "link/line_scan.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"
#include "link/port_list.h"

namespace lmk17 {

int RestorePort(const SerialPortSettings& stored, PortConnection& connection, PortList& ports) {
    connection.setBaudIndex(stored.baudIndex);
    connection.setParityIndex(stored.parityIndex);
    connection.setTransmitterAddress(stored.slaveAddress);
    connection.setMasterAddress(stored.masterAddress);
    ports = PortList::scan();
    const bool named = stored.com != SerialPortSettings::kNoStoredPort || !stored.device.isEmpty();
    const int item = named ? ports.resolve(stored.com, stored.device) : connection.detectPort();
    if (item > 0 && connection.selectItem(item)) return item;
    return 0;
}

PortWrite StorePort(SerialPortSettings& settings, const PortConnection& connection,
                    const PortList& ports, bool demo) {
    const int item = connection.selectedItem();
    PortWrite mode = PortWrite::None;
    if (item > 0 && item <= ports.count()) {
        settings.com = item;
        settings.device = ports.entry(item).devicePath;
        mode = demo ? PortWrite::LinkOnly : PortWrite::Full;
    }
    const LinkSettings& link = connection.settings();
    settings.baudIndex = link.baudIndex;
    settings.parityIndex = link.parityIndex;
    settings.masterAddress = link.masterAddress;
    settings.slaveAddress = link.transmitterAddress;
    return mode;
}

void UseFoundTransmitter(PortConnection& connection, const ScanHit& hit) {
    connection.setBaudIndex(BaudIndexFromRate(hit.setting.baud));
    connection.setParityIndex(int(hit.setting.parity));
    connection.setTransmitterAddress(hit.address);
}

}  // namespace lmk17
