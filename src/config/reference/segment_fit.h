#pragma once

#include "config/reference/standard_characteristics.h"

// How the transmitter evaluates a standard table, and how far a table is
// from its characteristic. The fitting that makes the tables belongs to the
// table generator (tools/stdtables).

namespace lmk17::reference {

// The transmitter's evaluation of a table: eight equal segments over row 0's
// X interval, a value on a boundary in the lower segment, segment 1 below and
// segment 8 above the interval.
double EvaluateTable(const TableRows& rows, double x);

// Largest |table(X(t)) - t| over `samples` equally spaced temperatures of the
// range's span, in °C; `at` (if given) receives the temperature where it is.
double TableMaxError(const StandardCharacteristic& ch, const TableRows& rows, int samples,
                     double* at = nullptr);

// Largest difference in °C between neighbouring segments at their boundary.
double TableBoundaryJump(const TableRows& rows);

}  // namespace lmk17::reference
