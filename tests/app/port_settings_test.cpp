#include <gtest/gtest.h>

#include "app/port_settings.h"
#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "link/port_list.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

// The serial port stored at the close comes back at the next start: by its
// device path whatever the system's order, with the link settings; a
// demonstration's terminal is not kept as the port.
TEST(PortSettings, WhatTheCloseStoresTheStartRestores) {
    test::InProcessSim sim;
    struct Case {
        const char* what;
        bool demo;
        PortWrite written;
    };
    for (const Case& c :
         {Case{"a port of the list", false, PortWrite::Full},
          Case{"the software transmitter of a demonstration", true, PortWrite::LinkOnly}}) {
        SCOPED_TRACE(c.what);
        SerialPortSettings stored;
        {
            TCommPortDriver port;
            PortList ports;
            PortConnection connection(port, ports);
            ASSERT_TRUE(connection.connectDevice(sim.devicePath()));
            connection.setBaudIndex(4);
            connection.setParityIndex(2);
            connection.setTransmitterAddress(17);
            connection.setMasterAddress(30);
            EXPECT_EQ(StorePort(stored, connection, ports, c.demo), c.written);
        }
        EXPECT_EQ(stored.device, sim.devicePath());
        EXPECT_EQ(stored.baudIndex, 4);
        EXPECT_EQ(stored.parityIndex, 2);
        EXPECT_EQ(stored.slaveAddress, 17);
        EXPECT_EQ(stored.masterAddress, 30);

        TCommPortDriver port;
        PortList ports;
        PortConnection connection(port, ports);
        stored.com = 99;  // another order of the system's ports: the path wins
        EXPECT_GT(RestorePort(stored, connection, ports), 0);
        EXPECT_TRUE(port.isOpen());
        EXPECT_EQ(ports.entry(connection.selectedItem()).devicePath, sim.devicePath());
        EXPECT_EQ(connection.settings().baudIndex, 4);
        EXPECT_EQ(connection.settings().parityIndex, 2);
        EXPECT_EQ(connection.settings().transmitterAddress, 17);
        EXPECT_EQ(connection.settings().masterAddress, 30);
    }

    // Nothing connected: nothing of the port is written.
    TCommPortDriver port;
    PortList ports;
    PortConnection connection(port, ports);
    SerialPortSettings stored;
    EXPECT_EQ(StorePort(stored, connection, ports, false), PortWrite::None);
    EXPECT_TRUE(stored.device.isEmpty());
}

}  // namespace
}  // namespace lmk17
