// Comment lines of files written by other programs or edited by hand: only a
// ';' at the start of a line (after blanks) makes one, and a commented-out
// key must never count, since the first occurrence of a key wins.

#include <gtest/gtest.h>

#include "common/ini_file.h"

using lmk17::IniFile;

TEST(IniComments, OnlyALeadingSemicolonComments) {
    const IniFile ini = IniFile::fromBytes(
        "[SerialPort]\r\n"
        ";BaudRate=0\r\n"
        "   ; Parity=0\r\n"
        "BaudRate=4\r\n"
        "Parity=2\r\n"
        "#COM=7\r\n"
        "Device=/dev/ttyS0 ; the old adapter\r\n");
    const struct {
        const char* key;
        const char* value;  // nullptr: no such key
    } cases[] = {
        {"BaudRate", "4"},     {"Parity", "2"}, {";BaudRate", nullptr},
        {"; Parity", nullptr}, {"#COM", "7"},   {"Device", "/dev/ttyS0 ; the old adapter"},
    };
    for (const auto& c : cases) {
        const std::optional<QString> v = ini.value("SerialPort", c.key);
        EXPECT_EQ(v.has_value(), c.value != nullptr) << c.key;
        if (v && c.value) {
            EXPECT_EQ(*v, QString::fromLatin1(c.value)) << c.key;
        }
    }
    EXPECT_EQ(ini.keys("SerialPort"), (QStringList{"BaudRate", "Parity", "#COM", "Device"}));
}
