#pragma once

#include <QString>
#include <optional>

namespace lmk17 {

// What an empty (or all-blank) text means to the caller: an edit field
// that a user cleared reads as 0; a value that must be given is no number.
enum class EmptyText { NoNumber, ReadsAsZero };

// The program's one reading of a decimal number typed by a user or stored
// in a file: surrounding blanks are ignored, every "." and every "," is a
// decimal mark whatever the system's locale, and a text that is no finite
// number ("inf", "nan", "1e999", "1,2,3", "abc") gives nullopt.
std::optional<double> ParseDecimalNumber(const QString& text,
                                         EmptyText empty = EmptyText::NoNumber);

}  // namespace lmk17
