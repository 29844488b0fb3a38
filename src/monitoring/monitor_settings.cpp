#include "monitoring/monitor_settings.h"

#include "common/ini_file.h"
#include "monitoring/monitor_record.h"

namespace lmk17 {

namespace {

const QString kSection = QString::fromLatin1(kMonitorSection);

std::optional<int> ReadInt(const IniFile& ini, const char* key) {
    const std::optional<QString> v = ini.value(kSection, QString::fromLatin1(key));
    if (!v) return std::nullopt;
    bool ok = false;
    const int n = v->trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

// Booleans are 1 or 0; any integer other than 0 reads as true.
void ReadBool(const IniFile& ini, const char* key, bool& value) {
    if (const auto v = ReadInt(ini, key)) value = *v != 0;
}

void ReadChecked(const IniFile& ini, const char* key, int& value, int (*check)(const QString&)) {
    if (const auto v = ini.value(kSection, QString::fromLatin1(key))) value = check(*v);
}

void Write(IniFile& ini, const char* key, const QString& value) {
    ini.setValue(kSection, QString::fromLatin1(key), value);
}

void Write(IniFile& ini, const char* key, int value) {
    Write(ini, key, QString::number(value));
}

}  // namespace

void LoadMonitorSettings(const IniFile& ini, MonitorParameters& p) {
    if (const auto ms = ReadInt(ini, "Interval"))
        p.intervalMs = CheckMonInterval(ShowMonInterval(*ms));
    ReadChecked(ini, "GrafPointCount", p.pointLimit, CheckMonPointLimit);
    if (const auto v = ReadInt(ini, "GrafPointSymbol"); v && *v >= 0 && *v <= 5) p.pointSymbol = *v;
    if (const auto v = ReadInt(ini, "Format"); v && *v >= 0 && *v < kMonFormatCount) p.format = *v;
    if (const auto v = ReadInt(ini, "DecSeparator"); v && (*v == 0 || *v == 1)) p.separator = *v;
    ReadChecked(ini, "PrecisionPV", p.digits, CheckMonDigits);
    if (const auto v = ReadInt(ini, "Mode")) p.writeAll = *v != 2;
    ReadBool(ini, "OnChangePV", p.onChange);
    ReadChecked(ini, "ChangePV", p.changePercent, CheckMonPercent);
    ReadBool(ini, "OnTransmitterError", p.onErrorState);
    ReadBool(ini, "OnCommError", p.onCommError);
    ReadBool(ini, "OnConstPeriod", p.onPeriod);
    ReadChecked(ini, "ConstPeriod", p.periodS, CheckMonPeriod);
    if (const auto v = ReadInt(ini, "Address"); v && *v >= 0 && *v <= 31) p.address = *v;
    const QString list = ini.value(kSection, QString::fromLatin1(kMonAddressesKey), QString());
    if (!list.trimmed().isEmpty()) {
        if (const auto addresses = ParseMonAddressList(list)) p.addresses = *addresses;
    }
    ReadBool(ini, "LogFileEnable", p.logToFile);
    if (const auto v = ini.value(kSection, QStringLiteral("LogFileName"))) p.logFile = *v;
    ReadBool(ini, "LogFileAppend", p.append);
    if (const auto v = ReadInt(ini, "LogFileEncoding"); v && (*v == 0 || *v == 1))
        p.logEncoding = MonLogEncoding(*v);
}

void SaveMonitorSettings(IniFile& ini, const MonitorParameters& p) {
    Write(ini, "Interval", p.intervalMs);
    Write(ini, "GrafPointCount", p.pointLimit);
    Write(ini, "GrafPointSymbol", p.pointSymbol);
    Write(ini, "Format", p.format);
    Write(ini, "DecSeparator", p.separator);
    Write(ini, "PrecisionPV", p.digits);
    Write(ini, "Mode", p.writeAll ? 1 : 2);
    Write(ini, "OnChangePV", int(p.onChange));
    Write(ini, "ChangePV", p.changePercent);
    Write(ini, "OnTransmitterError", int(p.onErrorState));
    Write(ini, "OnCommError", int(p.onCommError));
    Write(ini, "OnConstPeriod", int(p.onPeriod));
    Write(ini, "ConstPeriod", p.periodS);
    Write(ini, "Address", p.address);
    Write(ini, kMonAddressesKey, MonAddressListText(p.addresses));
    Write(ini, "LogFileEnable", int(p.logToFile));
    Write(ini, "LogFileName", p.logFile.trimmed());
    Write(ini, "LogFileAppend", int(p.append));
    Write(ini, "LogFileEncoding", int(p.logEncoding));
}

}  // namespace lmk17
