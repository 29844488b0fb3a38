#include "reports/config_rows.h"

#include <QCoreApplication>

#include <cmath>

#include "common/line_codes.h"
#include "config/catalogue.h"
#include "config/config_model.h"
#include "config/config_texts.h"
#include "config/display_scaling.h"
#include "config/firmware.h"
#include "config/ordering_code.h"
#include "config/output_limits.h"
#include "config/windows1250.h"

namespace lmk17 {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Protocol)
};

// Builds the rows; a label starts a row at cell 0 (bold) or cell 1 (bold italic).
class Rows {
public:
    std::vector<ReportRow> rows;

    ReportRow& row(const QString& label, double extra = 0.0) {
        rows.push_back({{{kCellX[0], label, CellStyle::Bold}}, extra});
        return rows.back();
    }
    ReportRow& sub(const QString& label) {
        rows.push_back({{{kCellX[1], label, CellStyle::BoldItalic}}});
        return rows.back();
    }
    // A row whose value stands in cell `slot`, or at `x` percent.
    void add(const QString& label, int slot, const QString& value, double extra = 0.0) {
        row(label, extra).cells.push_back({kCellX[slot], value});
    }
    void detail(const QString& label, int slot, const QString& value) {
        add(label, slot, value);
        rows.back().printed = false;
    }
};

QString g5(double value) {
    return QString::asprintf("%.*g", 5, value);
}

QString yesNo(bool value) {
    return value ? Texts::tr("Yes") : Texts::tr("No");
}

// An unknown baud code prints as the transmitter's default rate.
QString baudText(quint8 code) {
    const BaudRateEntry* entry = BaudRateByCode(code);
    return Texts::tr(" %1 Bd, ").arg(entry ? entry->rate : kDefaultBaudRate);
}

QString parityText(quint8 addressByte) {
    return QLatin1Char(' ') + ParityDisplayName(ParityFromAddressByte(addressByte));
}

QString noteText(const QByteArray& note) {
    QString text = ShowPlainText(note);
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

RangeTable rangeTable(const TransmitterConfig& c, const OutputView& out, double k) {
    const QString pv = QStringLiteral("[%1]").arg(UnitSymbol(c.PvUnit));
    const QString start =
        out.unit.isEmpty() ? QString() : QString::asprintf("%.4g", out.rangeStart * k);
    const QString end =
        out.unit.isEmpty() ? QString() : QString::asprintf("%.4g", out.rangeEnd * k);
    return {{{QString(), Texts::tr("Input"), Texts::tr("Correction"), Texts::tr("Output")},
             {QString(), pv, pv, QStringLiteral("[%1]").arg(out.unit)},
             {Texts::tr("Start"), g5(ToDisplay(c, c.LowerRangeValue)),
              g5(ToDisplay(c, c.LowerCorrection)), start},
             {Texts::tr("End"), g5(ToDisplay(c, c.UpperRangeValue)),
              g5(ToDisplay(c, c.UpperCorrection)), end}}};
}

void addComparator(Rows& r, const TransmitterConfig& c, const ComparatorOffer& offer, int n) {
    const quint8 f = c.ComparatorFlags;
    const bool enabled = n == 0 ? (f & (kCmp1Enabled | kCmp2Enabled)) : (f & kCmp2Enabled);
    r.add(Texts::tr("Limit Comparator") + (n == 0 ? Texts::tr(" 1:") : Texts::tr(" 2:")), 3,
          enabled ? Texts::tr("Enabled") : Texts::tr("Disabled"), 0.6);
    if (!enabled) return;
    const QString unit = QLatin1Char(' ') + UnitSymbol(c.PvUnit);
    const double level = n == 0 ? c.Comparator1Level : c.Comparator2Level;
    const double hysteresis = n == 0 ? c.Comparator1Hysteresis : c.Comparator2Hysteresis;
    r.sub(Texts::tr("Switch Level:")).cells.push_back({kCellX[3], g5(ToDisplay(c, level)) + unit});
    r.sub(Texts::tr("Hysteresis:"))
        .cells.push_back({kCellX[3], g5(std::fabs(ToDisplay(c, hysteresis))) + unit});
    r.sub(Texts::tr("Switching Mode:"))
        .cells.push_back({kCellX[3], hysteresis >= 0 ? Texts::tr("Normal") : Texts::tr("Reverse")});
    const quint8 errorBit = n == 0 ? kCmp1ErrorCurrent : kCmp2ErrorCurrent;
    r.sub(Texts::tr("Indicate by Error Output:")).cells.push_back({kCellX[3], yesNo(f & errorBit)});
    if (offer.errorState[n]) {
        const quint8 onBit = n == 0 ? kCmp1OnAtError : kCmp2OnAtError;
        r.sub(Texts::tr("State on Error:"))
            .cells.push_back(
                {kCellX[3], (f & onBit) ? Texts::tr("Switch On") : Texts::tr("Switch Off")});
    }
}

void addOutputRows(Rows& r, const ConfigModel& m, const TransmitterTypeEntry* type) {
    const TransmitterConfig& c = m.config();
    const int fw = m.firmwareNumber();
    const OutputTypeEntry* out = OutputTypeOf(m.identity().typeIndex);
    const QString unit = m.view().output.unit;
    const PhysicalOutputLimits limits =
        out ? ComputePhysicalLimits(c, *out) : PhysicalOutputLimits{};
    const double k = out ? out->k : 1.0;
    if (out) r.detail(Texts::tr("Output Type:"), 3, OutputTypeName(*out).trimmed());
    r.add(Texts::tr("Output Saturation:"), 3,
          Texts::tr("cca  %1 to %2 %3")
              .arg(QString::asprintf("%.4g", limits.SaturationLow * k),
                   QString::asprintf("%.4g", limits.SaturationHigh * k), unit));
    r.add(Texts::tr("Damping:"), 3, QString::asprintf("%.*f s", 1, std::fabs(c.Damping)));
    r.add(Texts::tr("Linearization:"), 3, yesNo(c.RangeFlags & kRangeFlagLinearized));
    if (m.view().customerVisible)
        r.detail(Texts::tr("Customer Linearization:"), 3, yesNo(m.view().customerChecked));
    const bool twoLeads = c.ConnectionCode == 8 && firmware::HasSecondLeadResistance(fw);
    if (c.ConnectionCode == 1 || c.ConnectionCode == 8)
        r.add(twoLeads ? Texts::tr("Lead Resistance 1:") : Texts::tr("Lead Resistance:"), 3,
              QString::asprintf("%.*f Ohm", 3, c.LeadResistance1));
    if (twoLeads)
        r.add(Texts::tr("Lead Resistance 2:"), 3,
              QString::asprintf("%.*f Ohm", 3, c.LeadResistance2));
    const InputRangeEntry* range = RangeByCode(c.InputRangeCode);
    if (c.ConnectionCode == 6 && !(range && HasColdJunctionMark(*range)))
        r.add(Texts::tr("Cold Junction Temperature:"), 3,
              QString::asprintf("%.*f ", 1, c.CjTemperature) + QString::fromUtf8("°C ") +
                  Texts::tr("- constant"));
    if (firmware::HasInputFilter(fw))
        r.detail(Texts::tr("Input Filter:"), 3,
                 m.view().filter60Checked ? Texts::tr("60 Hz") : Texts::tr("50 Hz"));
    const double error = c.Damping >= 0 ? limits.ErrorHigh : limits.ErrorLow;
    r.add(Texts::tr("Error Indication:"), 3,
          QStringLiteral("cca  %1 %2").arg(QString::asprintf("%.4g", error * k), unit));
    const ComparatorOffer offer =
        OfferedComparatorControls(m.identity().typeIndex, m.identity().firmwareIndex);
    const quint8 f = c.ComparatorFlags;
    const QString relay = Texts::tr(" and by Switching Relay");
    if (offer.relay[0] && (f & kRelay1SignalsError) && !(f & (kCmp1Enabled | kCmp2Enabled)))
        r.rows.push_back({{{kCellX[3], relay + Texts::tr(" 1")}}});
    if (offer.relay[1] && (f & kRelay2SignalsError) && !(f & kCmp2Enabled))
        r.rows.push_back({{{kCellX[3], relay + Texts::tr(" 2")}}});
    if (type && type->Comparators >= 1) addComparator(r, c, offer, 0);
    if (type && type->Comparators >= 2) addComparator(r, c, offer, 1);
}

}  // namespace

ConfigurationReport ConfigurationRows(const ConfigModel& m) {
    const TransmitterConfig& c = m.config();
    const IdentificationView& info = m.view().identification;
    const TransmitterTypeEntry* type = TypeAt(m.identity().typeIndex);
    Rows r;
    ReportRow& first = r.row(Texts::tr("Transmitter Type:"));
    first.cells.push_back({kCellX[2], TypeDesignation(c.TransmitterType)});
    first.cells.push_back({kCellX[4], Texts::tr("Firmware Version:"), CellStyle::Bold});
    first.cells.push_back({kCellX[5], QString::number(m.firmwareNumber() / 100.0, 'f', 2)});
    r.detail(Texts::tr("Identification:"), 2, info.transmitterType);
    r.detail(Texts::tr("Manufacturer:"), 2, info.manufacturer);
    r.add(Texts::tr("Serial Number:"), 2, QString::asprintf("%.*d", 8, int(c.SerialNumber)));
    r.add(Texts::tr("Date of Manufacturing:"), 2,
          NormaliseManufactureDate(ShowPlainText(c.ManufactureDate)));
    r.add(Texts::tr("Date of Last Change:"), 2, FormatChangeDate(c.LastChangeDate));
    r.add(Texts::tr("Working Time:"), 2, FormatWorkingTime(c.WorkingTime));
    r.rows.back().compared = false;
    r.detail(Texts::tr("File Version:"), 2, QString::fromLatin1(c.Signature));
    r.rows.back().compared = false;

    const InputRangeEntry* range = RangeByCode(c.InputRangeCode);
    r.row(Texts::tr("Input Range:"), 0.6)
        .cells.push_back({30, range ? RangeName(*range).trimmed() : QString()});
    const ConnectionEntry* connection = ConnectionAt(c.ConnectionCode);
    const bool cjRange = range && HasColdJunctionMark(*range) && c.InputRangeCode != 85;
    if (!cjRange)
        r.row(Texts::tr("Sensor Connection:"))
            .cells.push_back({30, connection ? ConnectionName(*connection).trimmed() : QString()});
    r.row(Texts::tr("Set Range:"), 0.6);
    ReportRow table;
    table.rangeTable = true;
    r.rows.push_back(table);
    addOutputRows(r, m, type);

    const quint8 a = c.AddressByte;
    r.add(Texts::tr("Communication Parameters:"), 3,
          Texts::tr("Address:") + QString::asprintf(" %d, ", a & kAddressMask) +
              Texts::tr("BaudRate:") + baudText(c.BaudCode) + Texts::tr("Parity:") + parityText(a),
          0.6);
    r.add(Texts::tr("Text Note:"), 2, noteText(c.UserNote), 0.6);
    r.add(Texts::tr("Configuration Security:"), 2,
          (c.RangeFlags & kRangeFlagSetupUnitLocked)
              ? Texts::tr("Change of the Configuration by the Set-up Unit is disallowed")
              : Texts::tr("Change of the Configuration by the Set-up Unit is allowed"));

    const OutputTypeEntry* out = OutputTypeOf(m.identity().typeIndex);
    return {std::move(r.rows), rangeTable(c, m.view().output, out ? out->k : 1.0)};
}

}  // namespace lmk17
