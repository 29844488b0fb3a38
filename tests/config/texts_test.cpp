#include <gtest/gtest.h>

#include "config/config_texts.h"
#include "config/display_scaling.h"
#include "config/windows1250.h"

using namespace lmk17;

TEST(WorkingTime, ShownInYearsDaysHoursMinutesAndSeconds) {
    const qint64 year = 31557600;
    const struct {
        qint64 seconds;
        const char* text;
    } cases[] = {
        {0, "0 seconds"},
        {59, "59 seconds"},
        {60, "1 minute, 0 seconds"},
        {90061, "1 day, 1 hour, 1 minute, 1 seconds"},
        {2 * 86400 + 2 * 3600 + 120 + 1, "2 days, 2 hours, 2 minutes, 1 seconds"},
        {7 * year + 5, "7 years, 5 seconds"},
        {year, "1 year, 0 seconds"},
        {year - 1, "365 days, 5 hours, 59 minutes, 59 seconds"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatWorkingTime(c.seconds), QLatin1String(c.text)) << c.seconds;
}

TEST(ChangeDate, DayNumberShownAsDateAndTimeFromTheEpochOn) {
    const struct {
        double day;
        bool seconds;
        const char* text;
    } cases[] = {
        {36219.999999, true, ""},
        {0.0, true, ""},
        {-5.0, true, ""},
        {36220.0, true, "1.3.1999 0:00:00"},
        {36220.5, true, "1.3.1999 12:00:00"},
        {36220.5, false, "1.3.1999 12:00"},
        {45000.0 + (13 * 3600 + 7 * 60 + 9) / 86400.0, true, "15.3.2023 13:07:09"},
        // Rounding to the millisecond must not show 60 seconds.
        {36220.0 + 86399.9999 / 86400.0, true, "2.3.1999 0:00:00"},
        {std::numeric_limits<double>::quiet_NaN(), true, ""},
        {1e300, true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.day, c.seconds), QLatin1String(c.text)) << c.day;
    EXPECT_EQ(FormatChangeDate(36220.5), QStringLiteral("1.3.1999 12:00:00"));
}

TEST(ManufactureDate, Normalised) {
    const struct {
        const char* raw;
        const char* text;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {" 12.3.2004 8:05:30 ", "12.3.2004 8:05:30"},
        {"12. 3. 2004", "12.3.2004 0:00:00"},
        {"1.3.99", ""},                // a two-digit year lies before 1 March 1999
        {"31.13.2004", "31.13.2004"},  // no calendar date: kept as it is
        {"x.3.2004", "x.3.2004"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormaliseManufactureDate(QLatin1String(c.raw)), QLatin1String(c.text)) << c.raw;
}

TEST(Diacritics, AccentsRemoved) {
    // "Čeněk Šťastný, Łódź" in Windows-1250.
    const QByteArray note(
        "\xC8"
        "en\xEC"
        "k \x8A\x9D"
        "astn\xFD, \xA3\xF3"
        "d\x9F",
        19);
    EXPECT_EQ(ShowPlainText(note), QStringLiteral("Cenek Stastny, Lodz"));
    EXPECT_EQ(PlainLetter(0x8A), 'S');
    EXPECT_EQ(PlainLetter(0x9A), 's');
    EXPECT_EQ(PlainLetter(0xA3), 'L');
    EXPECT_EQ(PlainLetter(0xC1), 'A');
    EXPECT_EQ(PlainLetter(0xE1), 'a');
    EXPECT_EQ(PlainLetter(0xF8), 'r');
    EXPECT_EQ(PlainLetter(0xFD), 'y');
    EXPECT_EQ(PlainLetter(0xFE), 't');
    for (int code : {0x41, 0x80, 0x8B, 0xB0, 0xD7, 0xDF, 0xF7, 0xFF})
        EXPECT_EQ(PlainLetter(code), code);
    // Every listed block maps to a plain letter.
    for (int code = 0xC0; code <= 0xFE; ++code) {
        if (code == 0xD7 || code == 0xDF || code == 0xF7) continue;
        EXPECT_TRUE(QChar(PlainLetter(code)).isLetter() && PlainLetter(code) < 0x80) << code;
    }
    EXPECT_EQ(ShowPlainText(QByteArray("\xD7\xB0", 2)), QStringLiteral("×°"));
}

TEST(Windows1250, RoundTrip) {
    const QString text = QStringLiteral("Žluťoučký kůň úpěl ďábelské ódy, 25 °C ± 0.5 µA");
    const QByteArray bytes = EncodeWindows1250(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(DecodeWindows1250(bytes), text);
    EXPECT_EQ(EncodeWindows1250(QStringLiteral("日")), QByteArray("?"));
}

namespace {
TransmitterConfig scaled(quint8 flags, double factor, double yStart, double yEnd) {
    TransmitterConfig c;
    c.RangeFlags = flags;
    c.DisplayFactor = factor;
    c.LinSegTable[1][0] = yStart;
    c.LinSegTable[0][0] = yEnd;
    return c;
}
}  // namespace

TEST(DisplayScaling, ShownValues) {
    const struct {
        quint8 flags;
        double factor, stored, shown;
    } cases[] = {
        {0x51, 10, 850, 850},                       // Pt100, one decimal place, F 10
        {0x02, 100000, 0.06, 60},                   // R05: volts shown as millivolts
        {0x42, 100, -6, -6},                        // R74 with the editor factor
        {0x43, 100, 24, 24},                        // decimal places 3 count as 2
        {0x40, 1, 1300, 1300},    {0x00, 0, 7, 7},  // a damaged zero factor counts as 1
    };
    for (const auto& c : cases) {
        const TransmitterConfig cfg = scaled(c.flags, c.factor, 0, 1);
        EXPECT_DOUBLE_EQ(ToDisplay(cfg, c.stored), c.shown) << int(c.flags);
        EXPECT_DOUBLE_EQ(FromDisplay(cfg, c.shown), c.stored) << int(c.flags);
    }
    EXPECT_EQ(FormatRangeDependent(scaled(0x02, 100000, 0, 1), -0.015), QStringLiteral(" -15"));
    EXPECT_EQ(FormatG5(1234567), QStringLiteral(" 1.2346e+06"));
    EXPECT_EQ(FormatG5(0.5), QStringLiteral(" 0.5"));
    EXPECT_EQ(FormatFixed(4, 1), QStringLiteral(" 4.0"));
    EXPECT_EQ(FormatFixed(1.5, 3), QStringLiteral(" 1.500"));
}

TEST(DisplayScaling, RangeLimitsWithTolerance) {
    const TransmitterConfig pt = scaled(0x51, 10, -202, 852);
    const double low = -202 - 202 * 0.001;
    const double high = 852 + 852 * 0.001;
    EXPECT_TRUE(WithinInputRange(pt, low));
    EXPECT_FALSE(WithinInputRange(pt, std::nextafter(low, -1e9)));
    EXPECT_TRUE(WithinInputRange(pt, high));
    EXPECT_FALSE(WithinInputRange(pt, std::nextafter(high, 1e9)));
    // Correction bound: 5 % of 1054 plus 0.1 % of that.
    const double bound = 1.001 * 0.05 * 1054;
    EXPECT_TRUE(WithinCorrectionBound(pt, bound));
    EXPECT_TRUE(WithinCorrectionBound(pt, -bound));
    EXPECT_FALSE(WithinCorrectionBound(pt, bound * (1 + 1e-12)));
    EXPECT_TRUE(WithinInterval(40.0399, 0, 40));
    EXPECT_FALSE(WithinInterval(40.0401, 0, 40));
    EXPECT_FALSE(WithinInterval(-1e-9, 0, 40));
    EXPECT_TRUE(WithinInterval(-50.0499, -50, 150));
    EXPECT_FALSE(WithinInterval(-50.0501, -50, 150));
    EXPECT_FALSE(WithinInterval(std::numeric_limits<double>::quiet_NaN(), 0, 40));
}
