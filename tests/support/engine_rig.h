#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "link/frame.h"
#include "link/link_port.h"
#include "link/transaction_engine.h"
#include "support/scripted_interaction.h"

// The transaction engine on its own, against a port the test drives: for the
// engine's tests and for the routines of the operations that drive it.

namespace lmk17::test {

// A LinkPort that records what is sent and lets the test deliver bytes.
class FakeLinkPort : public LinkPort {
public:
    bool open = true;
    QList<QByteArray> sent;
    int purges = 0;

    bool isOpen() const override { return open; }
    void purge() override { ++purges; }
    void send(const QByteArray& bytes) override { sent.append(bytes); }
    void deliver(const QByteArray& bytes) { emit received(bytes); }
};

// Records the arguments of each emission of an engine signal (the first
// argument as text when it is one).
struct EngineSpy {
    QStringList args;
    int size() const { return int(args.size()); }
    QMetaObject::Connection connection;
    template <typename Signal>
    EngineSpy(TransactionEngine& e, Signal signal) {
        connection = QObject::connect(&e, signal, [this](auto... a) { args << text(a...); });
    }
    ~EngineSpy() { QObject::disconnect(connection); }
    EngineSpy(const EngineSpy&) = delete;
    EngineSpy& operator=(const EngineSpy&) = delete;
    static QString text() { return QString(); }
    static QString text(const QString& s) { return s; }
    template <typename T, typename... R>
    static QString text(T, R...) {
        return QString();
    }
};

inline QByteArray HexFrame(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A long answer carrying a float read (data type byte, then the value).
inline QByteArray FloatAnswer(float value, std::uint8_t control = 0x08) {
    QByteArray data(1, char(TypeFloat));
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    for (int i = 0; i < 4; ++i) data.append(char(bits >> (8 * i)));
    return OdesliLF(data, 31, 0, control);
}

// Interaction whose questions run something while they show (the answer
// arriving behind a modal box) before they are answered from the script.
class InterruptedInteraction : public ScriptedInteraction {
public:
    std::function<void()> whileShowing;
    bool question(Question id, MessageKind kind, const QString& text) override {
        if (whileShowing) whileShowing();
        return ScriptedInteraction::question(id, kind, text);
    }
};

// A PV reading registered as the running operation; every result it is
// handed is kept in order.
class EngineUnitRig : public ::testing::Test {
protected:
    FakeLinkPort port;
    InterruptedInteraction ui;
    TransactionEngine engine{port, ui};
    std::vector<int> results;  // what the operation was handed, in order

    void SetUp() override {
        engine.registerOperation(ProcessPV, [this] { results.push_back(engine.state().result); });
        engine.operation().processCode = ProcessPV;
        engine.operation().step = 10;
    }

    void sendRead(int parameter = 0, int type = TypeFloat) {
        LinkRequest& r = engine.request();
        r.operation = OpRead;
        r.dataType = type;
        r.parameter = parameter;
        r.da = 0;
        engine.setAttempts(3);
        engine.SestavPrikaz();
    }
};

}  // namespace lmk17::test
