#pragma once

namespace lmk17::reference {

// Platinum resistance thermometer, IEC 60751 (Callendar-Van Dusen):
// resistance in ohm of a sensor with resistance r0 at 0 °C.
double PlatinumOhm(double celsius, double r0);

// Nickel resistance thermometer with alpha 0.00618 (DIN 43760 characteristic).
double NickelOhm(double celsius, double r0);

}  // namespace lmk17::reference
