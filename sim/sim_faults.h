#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <random>
#include <set>
#include <vector>

namespace lmk17::sim {

// A fault the line puts on an answer.
struct Fault {
    enum Kind {
        Silence,    // no answer at all
        BadCheck,   // wrong check byte
        Noise,      // bytes before the frame
        Chunks,     // the answer in N pieces with pauses
        Split,      // the answer cut after given sizes, with pauses
        BadLength,  // the two length bytes of a long answer differ
        BadStart,   // a wrong first byte
        Refuse,     // "bad parameters" instead of the answer
        Delay,      // the answer comes later by a fixed time
        Echo,       // the request comes back before the answer
        Code,       // a short answer with the given control byte instead
        Skew,       // a write is acknowledged but a different value is stored
    };
    Kind kind = Silence;
    QByteArray bytes;        // Noise: the bytes (default FF 00)
    std::vector<int> sizes;  // Split: leading piece sizes; Chunks: {N}
    int pauseMs = 50;        // Chunks, Split
    int delayMs = 0;         // Delay
    int parameter = -1;      // Refuse, Skew: only this parameter (-1: any)
    int code = 0;            // Code
    int address = -1;        // only answers of the transmitter at this address (-1: any)

    // When it applies: to the listed answer numbers (1 = the first request
    // a transmitter of the line took as its own), with a probability, or
    // (neither given) to every answer.
    std::set<int> answers;
    double probability = -1.0;

    // KIND[:ARGS][@N[,N...]|%PERCENT], see lmk17-sim --help.
    static bool parse(const QString& text, Fault& out, QString* error);
    bool appliesTo(int answerNumber, int parameter, std::mt19937& rng) const;
};

// Cuts an answer into the pieces a fault asks for (one piece without one).
QList<QByteArray> CutAnswer(const QByteArray& answer, const Fault* chunking);

// What a transmitter with the Skew fault stores of a write's value bytes:
// the last byte changed (one step of the lowest byte of a number, another
// last character of a text).
QByteArray Skewed(const QByteArray& value);

// The byte-level faults applied to a finished answer frame.
QByteArray Spoil(const QByteArray& answer, const Fault& fault);

}  // namespace lmk17::sim
