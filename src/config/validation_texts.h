#pragma once

#include <QString>

#include "config/validation.h"

// The message texts of the parameter checks, from the program's string table.

namespace lmk17::validation_text {

// The parameter name of an edit as the messages use it ("lower range value").
QString ParameterName(EditField field);

// "Incorrect Format of the Value: " + name + "."
QString IncorrectFormat(EditField field);
// "Value of " + name + " is out of the range: " + interval + "."
QString OutOfRange(EditField field, const QString& interval);

// Interval texts: range-dependent values (shown units), damping, lead
// resistance, cold-junction temperature, output values (shown units + unit).
QString RangeInterval(double low, double high);
QString DampingInterval(double low, double high);
QString LeadInterval(double low, double high);
QString CjInterval(double low, double high);
QString OutputInterval(double low, double high, const QString& unit);

QString CorrectionTooHigh(bool upper);      // "... higher than 5 % of input range."
QString HysteresisTooHigh(int comparator);  // comparator 1 or 2
QString ReverseNeedsHysteresis(int comparator);
QString SpanTooSmall();                                        // "Span value is lower than 1%..."
QString OutputSpanTooSmall(double span, const QString& unit);  // shown units
QString SaturationSpanTooSmall(double span, const QString& unit);  // shown units
QString ErrorSpanTooSmall(double span, const QString& unit);       // shown units

}  // namespace lmk17::validation_text
