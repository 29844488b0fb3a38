#pragma once

#include <QByteArray>
#include <QList>

#include "link/link_port.h"

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

}  // namespace lmk17::test
