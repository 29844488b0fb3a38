// The transaction engine's byte stream with a request outstanding: whatever
// the line delivers, in whatever chunks, between requests, time-outs and the
// quiet-line waits, must end in an answer, a refusal or a wait without a
// crash or an overrun of the engine's buffers.
//
// Input: a script of one-byte commands, each followed by its operands:
//   0  deliver the next N bytes (N = the following byte)
//   1  send a read request (parameter = the following byte)
//   2  send a write request (parameter = the following byte)
//   3  let the timers run (every interval is zero: each due timer fires)
//   4  abandon the exchange
//   5  close and reopen the port

#include <QByteArray>
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

#include "common/silent_interaction.h"
#include "link/link_port.h"
#include "link/link_request.h"
#include "link/transaction_engine.h"

using namespace lmk17;

namespace {

class FakePort : public LinkPort {
public:
    bool open = true;
    bool isOpen() const override { return open; }
    void purge() override {}
    void send(const QByteArray&) override {}
    void deliver(const QByteArray& bytes) { emit received(bytes); }
    void reopen() {
        open = false;
        emit closed();
        open = true;
        emit opened();
    }
};

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "fuzz_engine_stream";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    App();
    if (size > 4096) return 0;
    FakePort port;
    SilentInteraction ui;
    TransactionEngine engine(port, ui);
    LinkTiming timing;
    timing.answerTimeoutMs = 0;
    timing.repeatDelayMs = 0;
    timing.incompleteResetMs = 0;
    timing.quietLineWindows = 1;
    engine.setTiming(timing);
    int dispatched = 0;
    engine.registerOperation(ProcessPV, [&] { ++dispatched; });
    engine.operation().processCode = ProcessPV;
    engine.operation().step = 10;

    std::size_t at = 0;
    const auto next = [&]() -> int { return at < size ? data[at++] : 0; };
    while (at < size) {
        switch (next() % 6) {
            case 0: {
                const std::size_t n = std::min<std::size_t>(std::size_t(next()), size - at);
                port.deliver(QByteArray(reinterpret_cast<const char*>(data + at), qsizetype(n)));
                at += n;
                break;
            }
            case 1:
            case 2: {
                LinkRequest& r = engine.request();
                r.operation = (data[at - 1] % 6) == 1 ? OpRead : OpWrite;
                r.dataType = TypeFloat;
                r.parameter = next();
                r.value = 1.5;
                r.da = 0;
                engine.setAttempts(1);
                engine.SestavPrikaz();
                break;
            }
            case 3:
                QCoreApplication::processEvents();
                break;
            case 4:
                engine.abandonExchange();
                break;
            case 5:
                port.reopen();
                break;
        }
    }
    engine.abandonExchange();
    (void)dispatched;
    return 0;
}
