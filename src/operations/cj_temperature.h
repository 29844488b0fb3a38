#pragma once

#include <QString>

namespace lmk17 {

class LiveReadings;
class TransactionEngine;

// TempCJ (ProcessCode 8000): the connection code (parameter 112) decides:
// a constant cold junction shows parameter 72; a measured one is averaged
// over five rounds of parameters 210, 211 and 213; any other connection has
// no cold junction to read.
class CjTemperature {
public:
    static constexpr int kRounds = 5;

    explicit CjTemperature(LiveReadings& live) : live_(live) {}

    bool startReading();  // ZjistiTmpCJBtnClick
    void TempCJ();
    void KonecReadTempCJ();  // "end of reading the CJ temperature"

private:
    TransactionEngine& engine();
    bool answered();
    void chooseByConnection();
    void measuredRound();
    void showMeasured();
    void finish(const QString& text);

    LiveReadings& live_;
    int round_ = 0;
    double sumA_ = 0.0;  // parameter 210
    double sumB_ = 0.0;  // parameter 211
    double sumC_ = 0.0;  // parameter 213
    bool errorSeen_ = false;
};

// The texts of HodnTemperCJLbl.
QString CjConstantText(double ohm);
// Types with flag B measure the cold junction against the sum A alone.
QString CjMeasuredText(double a, double b, double c, bool flagB);

}  // namespace lmk17
