#include "config/ordering_code.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "common/line_codes.h"
#include "config/config_model.h"
#include "config/display_scaling.h"
#include "config/firmware.h"
#include "config/identification_text.h"
#include "config/validation_model.h"
#include "config/windows1250.h"

namespace lmk17 {

namespace {

constexpr qsizetype kLongestTypeText = 32;

QString g5(double value) {
    return QString::asprintf("%.*g", 5, value);
}

QString baudToken(quint8 code) {
    // An unknown code shows as the transmitter's default rate.
    const BaudRateEntry* e = BaudRateByCode(code);
    if (!e) e = BaudRateByCode(kDefaultBaudCode);
    return QString::fromLatin1(e->orderingCode);
}

// PN, PO or PE: the parity's name's initial.
QString parityToken(quint8 addressByte) {
    return QStringLiteral("P") + ParityName(ParityFromAddressByte(addressByte)).left(1).toUpper();
}

QString connectionToken(const TransmitterConfig& c, const InputRangeEntry& range) {
    switch (c.ConnectionCode) {
        case 1:
            return QString::asprintf("C1R%.2f Ohm", c.LeadResistance1);
        case 8:
            return QString::asprintf("C8R%.2f Ohm", c.LeadResistance1);
        case 6:
            if (HasColdJunctionMark(range)) return {};
            return QString::asprintf("C6T%.2f °C", c.CjTemperature);
        default:
            return QString::asprintf("C%d", int(c.ConnectionCode));
    }
}

struct Builder {
    QString text;
    void add(const QString& token) { text += token + QLatin1String("  "); }
};

// The five tokens of one comparator (n = 1 or 2).
void addComparator(Builder& b, const TransmitterConfig& c, int n, const QString& unit,
                   bool stateChoice) {
    const double level = n == 1 ? c.Comparator1Level : c.Comparator2Level;
    const double hysteresis = n == 1 ? c.Comparator1Hysteresis : c.Comparator2Hysteresis;
    const bool errorCurrent = c.ComparatorFlags & (n == 1 ? kCmp1ErrorCurrent : kCmp2ErrorCurrent);
    const bool onAtError = c.ComparatorFlags & (n == 1 ? kCmp1OnAtError : kCmp2OnAtError);
    const QString num = QString::number(n);
    b.add(QStringLiteral("S%1L ").arg(num) + g5(ToDisplay(c, level)) + QLatin1Char(' ') + unit);
    b.add(QStringLiteral("S%1H ").arg(num) + g5(std::fabs(ToDisplay(c, hysteresis))) +
          QLatin1Char(' ') + unit + QLatin1Char(' '));
    b.add(QStringLiteral("EC%1").arg(num) + (errorCurrent ? QLatin1Char('U') : QLatin1Char('N')));
    b.add(QStringLiteral("M%1").arg(num) +
          (hysteresis >= 0.0 ? QLatin1Char('N') : QLatin1Char('I')));
    if (stateChoice)
        b.add(QStringLiteral("D%1").arg(num) + (onAtError ? QLatin1Char('C') : QLatin1Char('O')));
}

}  // namespace

QString TypeDesignation(const QByteArray& transmitterType, bool* fixedRange) {
    if (fixedRange) *fixedRange = false;
    if (transmitterType.size() > kLongestTypeText) return {};
    return ExtractTypeText(QString::fromLatin1(transmitterType), fixedRange);
}

OrderingCode BuildOrderingCode(const TransmitterConfig& c, int typeIndex, int firmwareIndex) {
    OrderingCode result;
    const InputRangeEntry* range = RangeByCode(c.InputRangeCode);
    if (!range) return result;
    static const TransmitterTypeEntry noType;
    const TransmitterTypeEntry* found = TypeAt(typeIndex);
    const TransmitterTypeEntry& type = found ? *found : noType;
    const bool fw170 = firmware::HasErrorStateChoices(FirmwareNumber(firmwareIndex));
    const QString unit = UnitSymbol(c.PvUnit);
    const quint8 flags = c.ComparatorFlags;
    Builder b;
    b.add(TypeDesignation(c.TransmitterType, &result.fixedRange));
    b.add(QString::asprintf("R%.2d", int(c.InputRangeCode)));
    const QString connection = connectionToken(c, *range);
    if (!connection.isEmpty()) b.add(connection);
    b.add(QStringLiteral("RL ") + g5(ToDisplay(c, c.LowerRangeValue)) + QLatin1Char(' ') + unit);
    b.add(QStringLiteral("RH ") + g5(ToDisplay(c, c.UpperRangeValue)) + QLatin1Char(' ') + unit);
    b.add(QString::asprintf("DP %.*f s", 1, std::fabs(c.Damping)));
    b.add(c.Damping >= 0.0 ? QStringLiteral("ECH") : QStringLiteral("ECL"));
    const bool relayErrors = type.RelayFlag && fw170;
    if (type.Relays >= 1 && relayErrors && (flags & kRelay1SignalsError) &&
        !(flags & (kCmp1Enabled | kCmp2Enabled)))
        b.add(QStringLiteral("ER1"));
    if (type.Relays >= 2 && relayErrors && (flags & kRelay2SignalsError) && !(flags & kCmp2Enabled))
        b.add(QStringLiteral("ER2"));
    b.add(QStringLiteral("LE ") + g5(ToDisplay(c, c.LowerCorrection)) + QLatin1Char(' ') + unit);
    b.add(QStringLiteral("HE ") + g5(ToDisplay(c, c.UpperCorrection)) + QLatin1Char(' ') + unit +
          QLatin1Char(' '));
    const int choice = flags & (kCmp1Enabled | kCmp2Enabled);
    if (choice == 0 && type.Comparators >= 1) b.add(QStringLiteral("SNE"));
    if (choice == 1 && type.Comparators >= 1) b.add(QStringLiteral("S1E"));
    if (choice >= 2 && type.Comparators >= 2) b.add(QStringLiteral("S2E"));
    const bool stateChoice = fw170 && type.ErrorStateFlag;
    if (choice != 0 && type.Comparators >= 1) addComparator(b, c, 1, unit, stateChoice);
    if ((flags & kCmp2Enabled) && type.Comparators >= 2) addComparator(b, c, 2, unit, stateChoice);
    b.add((c.RangeFlags & kRangeFlagSetupUnitLocked) ? QStringLiteral("SPD")
                                                     : QStringLiteral("SPE"));
    b.add(QStringLiteral("ADR%1").arg(c.AddressByte & 0x1F));
    b.add(baudToken(c.BaudCode));
    b.add(parityToken(c.AddressByte));
    QByteArray note = c.UserNote;
    while (note.endsWith(' ')) note.chop(1);
    b.add(QStringLiteral("TN'") + DecodeWindows1250(note) + QLatin1Char('\''));
    result.text = b.text;
    return result;
}

OrderingCodeCommandResult showOrderingCode(ConfigModel& model, UserInteraction& ui) {
    OrderingCodeCommandResult result;
    if (!model.hasConfiguration()) {
        ui.message(
            MessageKind::Warning,
            QCoreApplication::translate(
                "Configuration", "There has not been set any configuration of transmitter."));
        return result;
    }
    result.check = CheckAll(model);
    if (!result.check.accepted) return result;
    result.code = BuildOrderingCode(model.config(), model.identity().typeIndex,
                                    model.identity().firmwareIndex);
    ui.message(MessageKind::Information, result.code.text);
    result.shown = true;
    return result;
}

}  // namespace lmk17
