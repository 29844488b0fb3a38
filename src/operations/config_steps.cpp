#include "operations/config_steps.h"

#include <algorithm>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "config/defaults.h"
#include "config/firmware.h"
#include "config/output_limits.h"
#include "operations/firmware_conversions.h"

namespace lmk17 {

namespace {

using C = SequenceContext;
using R = LinkRequest;

quint8 lowByte(const R& r) {
    return quint8(r.value16 & 0xFF);
}

// Characters 1..16 or 17..32 of a text, padded with spaces.
QByteArray textHalf(const QByteArray& text, int half) {
    return text.leftJustified(2 * kWireTextLength, ' ', true)
        .mid(half * kWireTextLength, kWireTextLength);
}

void appendText(QByteArray& text, const R& r) {
    text = (text + r.text.left(kWireTextLength)).left(kTextLength);
}

// Steps 50..130: row k of parameter 50 carries element k of each of the four
// rows of the linearization table.
ConfigStep linRow(int row) {
    ConfigStep s{50 + 10 * row, 50, TypeBlock, row, StepRequest::Config, 50 + 10 * row};
    s.put = nullptr;  // the row is taken from the request itself, see FillStepRequest
    s.take = nullptr;
    return s;
}

void putLinRow(const C& c, R& r) {
    for (int j = 0; j < 4; ++j)
        r.values[size_t(j)] = c.config.LinSegTable[size_t(j)][size_t(r.row)];
}
void takeLinRow(C& c, const R& r) {
    for (int j = 0; j < 4; ++j)
        c.config.LinSegTable[size_t(j)][size_t(r.row)] = r.values[size_t(j)];
}

bool isOutputCodeFirmware(const C& c) {
    return firmware::UsesOutputCodes(c.firmware);
}

std::vector<ConfigStep> buildList() {
    std::vector<ConfigStep> list;
    auto add = [&](ConfigStep s) { list.push_back(s); };
    ConfigStep s;

    // The write-in-progress mark goes to the transmitter first, so that an
    // interrupted write leaves it set for the next identification to find.
    s = {10, 111, TypeInt16, 0, StepRequest::Config, 10};
    s.put = [](const C& c, R& r) {
        r.value16 = qint16(c.config.RangeFlags | kRangeFlagWriteInProgress);
    };
    s.take = [](C& c, const R& r) { c.config.RangeFlags = lowByte(r); };
    add(s);

    s = {20, 110, TypeInt16, 0, StepRequest::Config, 20};
    s.sends = [](const C& c) { return c.writing && !c.fixedRange; };
    s.put = [](const C& c, R& r) { r.value16 = c.config.InputRangeCode; };
    s.local = [](C& c) {
        if (c.writing) return;
        if (const InputRangeEntry* range = RangeAt(c.rangeIndex))
            c.config.InputRangeCode = range->Code;
    };
    add(s);

    s = {30, 112, TypeInt16, 0, StepRequest::Config, 30};
    s.put = [](const C& c, R& r) {
        r.value16 =
            qint16(conversion::ConnectionToTransmitter(c.config.ConnectionCode, c.firmware));
    };
    s.take = [](C& c, const R& r) {
        int code = conversion::ConnectionFromTransmitter(lowByte(r), c.firmware);
        const InputRangeEntry* range = RangeAt(c.rangeIndex);
        if (c.fixedRange && range && !range->AllowsConnection(code))
            code = range->DefaultConnection;
        c.config.ConnectionCode = quint8(code);
    };
    add(s);

    s = {40, 55, TypeFloat, 0, StepRequest::Config, 40};
    s.put = [](const C& c, R& r) { r.value = c.config.DisplayFactor; };
    s.take = [](C& c, const R& r) { c.config.DisplayFactor = r.value; };
    add(s);

    for (int row = 0; row <= 8; ++row) {
        s = linRow(row);
        s.put = putLinRow;
        s.take = takeLinRow;
        add(s);
    }

    s = {140, 1, TypeFloat, 0, StepRequest::Config, 140};
    s.put = [](const C& c, R& r) { r.value = c.config.LowerRangeValue; };
    s.take = [](C& c, const R& r) { c.config.LowerRangeValue = r.value; };
    add(s);

    // The transmitter keeps the span, not the end of the range.
    s = {150, 2, TypeFloat, 0, StepRequest::Config, 150};
    s.put = [](const C& c, R& r) { r.value = c.config.UpperRangeValue - c.config.LowerRangeValue; };
    s.take = [](C& c, const R& r) {
        c.config.UpperRangeValue = c.config.LowerRangeValue + r.value;
    };
    add(s);

    s = {160, 3, TypeFloat, 0, StepRequest::Config, 160};
    s.put = [](const C& c, R& r) {
        const TransmitterConfig& t = c.config;
        r.value = firmware::HasDirectCorrections(c.firmware)
                      ? t.LowerCorrection
                      : conversion::CorrectionsToGainOffset(t.LowerRangeValue, t.UpperRangeValue,
                                                            t.LowerCorrection, t.UpperCorrection)
                            .gain;
    };
    // Below 1.70 this is the gain, turned into corrections with the offset at 170.
    s.take = [](C& c, const R& r) { c.config.LowerCorrection = r.value; };
    add(s);

    s = {170, 4, TypeFloat, 0, StepRequest::Config, 170};
    s.put = [](const C& c, R& r) {
        const TransmitterConfig& t = c.config;
        r.value = firmware::HasDirectCorrections(c.firmware)
                      ? t.UpperCorrection
                      : conversion::CorrectionsToGainOffset(t.LowerRangeValue, t.UpperRangeValue,
                                                            t.LowerCorrection, t.UpperCorrection)
                            .offset;
    };
    s.take = [](C& c, const R& r) {
        TransmitterConfig& t = c.config;
        if (firmware::HasDirectCorrections(c.firmware)) {
            t.UpperCorrection = r.value;
            return;
        }
        const conversion::Corrections k = conversion::GainOffsetToCorrections(
            t.LowerRangeValue, t.UpperRangeValue, t.LowerCorrection, r.value);
        t.LowerCorrection = k.lower;
        t.UpperCorrection = k.upper;
    };
    add(s);

    // Types without limit comparators get 0 and never see the comparator values.
    s = {180, 113, TypeInt16, 0, StepRequest::Config, 180};
    s.put = [](const C& c, R& r) { r.value16 = c.noComparators ? 0 : c.config.ComparatorFlags; };
    s.take = [](C& c, const R& r) { c.config.ComparatorFlags = lowByte(r); };
    add(s);

    s = {190, 90, TypeFloat, 0, StepRequest::Config, 190};
    s.put = [](const C& c, R& r) { r.value = c.config.Comparator1Level; };
    s.take = [](C& c, const R& r) { c.config.Comparator1Level = r.value; };
    add(s);
    s = {200, 91, TypeFloat, 0, StepRequest::Config, 200};
    s.put = [](const C& c, R& r) { r.value = c.config.Comparator1Hysteresis; };
    s.take = [](C& c, const R& r) { c.config.Comparator1Hysteresis = r.value; };
    add(s);
    s = {210, 95, TypeFloat, 0, StepRequest::Config, 210};
    s.put = [](const C& c, R& r) { r.value = c.config.Comparator2Level; };
    s.take = [](C& c, const R& r) { c.config.Comparator2Level = r.value; };
    add(s);
    s = {220, 96, TypeFloat, 0, StepRequest::Config, 220};
    s.put = [](const C& c, R& r) { r.value = c.config.Comparator2Hysteresis; };
    s.take = [](C& c, const R& r) { c.config.Comparator2Hysteresis = r.value; };
    add(s);

    s = {230, 5, TypeFloat, 0, StepRequest::Config, 230};
    s.put = [](const C& c, R& r) {
        r.value = firmware::HasDirectCorrections(c.firmware)
                      ? c.config.Damping
                      : conversion::DampingToOldFirmware(c.config.Damping);
    };
    s.take = [](C& c, const R& r) {
        c.config.Damping = firmware::HasDirectCorrections(c.firmware)
                               ? r.value
                               : conversion::DampingFromOldFirmware(r.value);
    };
    add(s);

    s = {240, 150, TypeInt16, 0, StepRequest::Config, 240};
    s.put = [](const C& c, R& r) { r.value16 = c.config.AddressByte; };
    s.take = [](C& c, const R& r) { c.config.AddressByte = lowByte(r); };
    add(s);
    s = {250, 151, TypeInt16, 0, StepRequest::Config, 250};
    s.put = [](const C& c, R& r) { r.value16 = c.config.BaudCode; };
    s.take = [](C& c, const R& r) { c.config.BaudCode = lowByte(r); };
    add(s);

    // The transmitter takes the constant cold-junction temperature as the
    // resistance its own sensor would show.
    s = {260, 72, TypeFloat, 0, StepRequest::Config, 260};
    s.put = [](const C& c, R& r) { r.value = CjcCelsiusToOhm(c.config.CjTemperature); };
    s.take = [](C& c, const R& r) { c.config.CjTemperature = CjcOhmToCelsius(r.value); };
    add(s);

    s = {270, 51, TypeInt16, 0, StepRequest::Config, 270};
    s.put = [](const C& c, R& r) { r.value16 = c.config.PvUnit; };
    s.take = [](C& c, const R& r) { c.config.PvUnit = lowByte(r); };
    add(s);

    s = {280, 70, TypeBlock, 0, StepRequest::Config, 280};
    s.put = [](const C& c, R& r) {
        std::copy(c.config.CjcPoly.begin(), c.config.CjcPoly.end(), r.values.begin());
    };
    s.take = [](C& c, const R& r) {
        std::copy(r.values.begin(), r.values.end(), c.config.CjcPoly.begin());
    };
    add(s);

    s = {290, 71, TypeFloat, 0, StepRequest::Config, 290};
    s.put = [](const C& c, R& r) { r.value = c.config.LeadResistance1; };
    s.take = [](C& c, const R& r) { c.config.LeadResistance1 = r.value; };
    add(s);

    // What older firmware does not hold takes its default before the newer
    // parameters (if any) overwrite it.
    s = {295, 0, TypeInt16, 0, StepRequest::None, 0};
    s.local = [](C& c) {
        if (c.writing) return;
        TransmitterConfig& t = c.config;
        t.LeadResistance2 = 0.0;
        t.FilterFlags = 0;
        t.SaturationCodes = 0;
        t.ErrorCodes = 0;
        SetDefaultOutputLimits(t, c.typeIndex, c.firmwareIndex);
    };
    add(s);

    s = {296, 73, TypeFloat, 0, StepRequest::Config, 296};
    s.put = [](const C& c, R& r) { r.value = c.config.LeadResistance2; };
    s.take = [](C& c, const R& r) { c.config.LeadResistance2 = r.value; };
    add(s);
    s = {300, 163, TypeFloat, 0, StepRequest::Config, 300};
    s.put = [](const C& c, R& r) { r.value = c.config.OutputGain; };
    s.take = [](C& c, const R& r) { c.config.OutputGain = r.value; };
    add(s);
    s = {305, 164, TypeFloat, 0, StepRequest::Config, 305};
    s.put = [](const C& c, R& r) { r.value = c.config.OutputOffset; };
    s.take = [](C& c, const R& r) { c.config.OutputOffset = r.value; };
    add(s);
    s = {310, 165, TypeBlock, 0, StepRequest::Config, 310};
    s.put = [](const C& c, R& r) {
        const TransmitterConfig& t = c.config;
        r.values = {t.ErrorHigh, t.ErrorLow, t.SaturationHigh, t.SaturationLow};
    };
    s.take = [](C& c, const R& r) {
        TransmitterConfig& t = c.config;
        t.ErrorHigh = r.values[0];
        t.ErrorLow = r.values[1];
        t.SaturationHigh = r.values[2];
        t.SaturationLow = r.values[3];
    };
    add(s);

    add({315, 0, TypeInt16, 0, StepRequest::None, 0});

    s = {316, 114, TypeInt16, 0, StepRequest::Config, 316};
    s.put = [](const C& c, R& r) { r.value16 = c.config.FilterFlags; };
    s.take = [](C& c, const R& r) { c.config.FilterFlags = lowByte(r); };
    add(s);

    s = {320, 100, TypeFloat, 0, StepRequest::Config, 320};
    s.put = [](const C& c, R& r) { r.value = c.config.LastChangeDate; };
    s.take = [](C& c, const R& r) { c.config.LastChangeDate = r.value; };
    add(s);

    add({325, 0, TypeInt16, 0, StepRequest::None, 0});

    // Firmware 1.81..1.89 keep the output limits as codes of their own
    // calibration: a write reads the calibration and the codes first and
    // re-encodes the limits with them.
    s = {327, 160, TypeBlock, 0, StepRequest::Read, 327};
    s.storesWhenWriting = true;
    s.take = [](C& c, const R& r) {
        std::copy(r.values.begin(), r.values.end(), c.config.OutputCodePoly.begin());
    };
    add(s);
    s = {337, 161, TypeInt32, 0, StepRequest::Read, 337};
    s.storesWhenWriting = true;
    s.take = [](C& c, const R& r) { c.config.SaturationCodes = quint32(r.value32); };
    add(s);
    s = {342, 162, TypeInt32, 0, StepRequest::Read, 342};
    s.storesWhenWriting = true;
    s.take = [](C& c, const R& r) {
        c.config.ErrorCodes = quint32(r.value32);
        if (c.writing)
            EncodeOutputCodes(c.config, c.typeIndex, c.firmwareIndex);
        else
            DecodeOutputCodes(c.config, c.typeIndex, c.firmwareIndex);
    };
    add(s);
    s = {344, 161, TypeInt32, 0, StepRequest::Write, 344};
    s.put = [](const C& c, R& r) { r.value32 = qint32(c.config.SaturationCodes); };
    add(s);
    s = {346, 162, TypeInt32, 0, StepRequest::Write, 346};
    s.put = [](const C& c, R& r) { r.value32 = qint32(c.config.ErrorCodes); };
    add(s);

    s = {350, 121, TypeText, 0, StepRequest::Config, 355};
    s.put = [](const C& c, R& r) { r.text = textHalf(c.config.UserNote, 0); };
    s.take = [](C& c, const R& r) { c.config.UserNote = r.text.left(kWireTextLength); };
    add(s);
    s = {351, 121, TypeText, 1, StepRequest::Config, 355};
    s.put = [](const C& c, R& r) { r.text = textHalf(c.config.UserNote, 1); };
    s.take = [](C& c, const R& r) { appendText(c.config.UserNote, r); };
    add(s);

    add({352, 0, TypeInt16, 0, StepRequest::None, 0});

    // The write is complete: the mark comes off.
    s = {354, 111, TypeInt16, 0, StepRequest::Write, 354};
    s.put = [](const C& c, R& r) {
        r.value16 = qint16(c.config.RangeFlags & ~kRangeFlagWriteInProgress & 0xFF);
    };
    add(s);

    s = {360, 101, TypeInt32, 0, StepRequest::Read, 360};
    s.take = [](C& c, const R& r) { c.config.SerialNumber = r.value32; };
    add(s);
    s = {370, 200, TypeInt32, 0, StepRequest::Read, 370};
    s.take = [](C& c, const R& r) {
        c.config.WorkingTime = conversion::WorkingTimeFromTransmitter(r.value32, c.firmware);
    };
    add(s);

    s = {380, 0, TypeInt16, 0, StepRequest::None, 0};
    s.local = [](C& c) {
        if (c.writing) return;
        c.config.Manufacturer.clear();
        c.config.ManufactureDate.clear();
        c.config.TransmitterType = c.identificationText.left(kTextLength);
    };
    add(s);
    s = {381, 120, TypeText, 0, StepRequest::Read, 380};
    s.take = [](C& c, const R& r) { appendText(c.config.Manufacturer, r); };
    add(s);
    s = {382, 120, TypeText, 1, StepRequest::Read, 400};
    s.take = [](C& c, const R& r) { appendText(c.config.Manufacturer, r); };
    add(s);
    s = {383, 120, TypeText, 4, StepRequest::Read, 420};
    s.take = [](C& c, const R& r) { appendText(c.config.ManufactureDate, r); };
    add(s);
    s = {384, 120, TypeText, 5, StepRequest::Read, 440};
    s.take = [](C& c, const R& r) { appendText(c.config.ManufactureDate, r); };
    add(s);

    add({kFinishConfigStep, 0, TypeInt16, 0, StepRequest::None, 0});
    return list;
}

}  // namespace

const std::vector<ConfigStep>& ConfigStepList() {
    static const std::vector<ConfigStep> list = buildList();
    return list;
}

const ConfigStep* FindConfigStep(int step) {
    const auto& list = ConfigStepList();
    const auto it = std::find_if(list.begin(), list.end(),
                                 [step](const ConfigStep& s) { return s.step == step; });
    return it == list.end() ? nullptr : &*it;
}

bool StepSends(const ConfigStep& step, const SequenceContext& context) {
    if (step.request == StepRequest::None || step.parameter == 0) return false;
    return step.sends ? step.sends(context) : true;
}

int StepOperation(const ConfigStep& step, const SequenceContext& context) {
    switch (step.request) {
        case StepRequest::Config:
            return context.writing ? OpWrite : OpRead;
        case StepRequest::Write:
            return OpWrite;
        default:
            return OpRead;
    }
}

int NextConfigStep(int step, const SequenceContext& c) {
    switch (step) {
        case 180:
            return c.noComparators ? 230 : 190;
        case 295:
            return firmware::HasNormalisedLimits(c.firmware) ? 296 : 320;
        case 315:
            return firmware::HasInputFilter(c.firmware) ? 316 : 320;
        case 325:
            return isOutputCodeFirmware(c) ? 327 : 350;
        case 342:
            return c.writing ? 344 : 350;
        case 352:
            return c.writing ? 354 : 360;
        case 354:
            return 360;
        case kFinishConfigStep:
            return kFinishConfigStep;
        default:
            break;
    }
    const auto& list = ConfigStepList();
    for (size_t i = 0; i + 1 < list.size(); ++i)
        if (list[i].step == step) return list[i + 1].step;
    return kFinishConfigStep;
}

void FillStepRequest(const ConfigStep& step, const SequenceContext& context, LinkRequest& request) {
    request = LinkRequest{};
    request.operation = StepOperation(step, context);
    request.dataType = step.dataType;
    request.parameter = step.parameter;
    request.row = step.row;
    request.subIndex = 0;
    request.count = 1;
    request.size = 4;
    if (request.operation == OpWrite && step.put) step.put(context, request);
}

}  // namespace lmk17
