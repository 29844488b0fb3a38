// Reading a growing trace: what is new, what a slow reader missed.
#include <gtest/gtest.h>

#include "link/line_trace_filter.h"

namespace lmk17 {
namespace {

void addRead(LineTrace& trace, int da, int parameter) {
    LinkRequest r;
    r.operation = OpRead;
    r.dataType = TypeInt32;
    r.parameter = parameter;
    r.da = da;
    trace.add(true, {}, TraceVerdict::Request, r);
}

TEST(TraceReader, TakesWhatIsNewAndCountsWhatTheBufferLost) {
    LineTrace trace(4);
    addRead(trace, 1, 101);  // before the reader: not new
    TraceReader reader(trace);
    addRead(trace, 1, 101);
    addRead(trace, 2, 120);
    EXPECT_EQ(reader.takeNew({}).size(), 2u);
    EXPECT_TRUE(reader.takeNew({}).empty());
    for (int i = 0; i < 7; ++i) addRead(trace, 3, i);  // 3 fall out unseen
    const std::vector<TraceEntry> fresh = reader.takeNew({});
    ASSERT_EQ(fresh.size(), 4u);
    EXPECT_EQ(fresh.front().parameter, 3);
    EXPECT_EQ(reader.missed(), 3u);
    TraceFilter only2;
    only2.address = 2;
    EXPECT_TRUE(reader.takeAll(only2).empty());  // gone from the buffer
    trace.clear();
    reader.restart();
    addRead(trace, 2, 120);
    EXPECT_EQ(reader.takeNew(only2).size(), 1u);
    EXPECT_EQ(reader.missed(), 3u);
}

}  // namespace
}  // namespace lmk17
