// Pen-event listeners: order of delivery, source, unsubscription.
#include "strokes/stroke_listener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logging_listener.h"

namespace morvane {
namespace {

using Log = std::vector<std::string>;

TEST(StrokeListenerList, EventsReachListenersInSubscriptionOrderWithTheListAsSource) {
  Log log;
  LoggingListener a("a", &log), b("b", &log);
  StrokeListenerList list;
  list.Subscribe(&b);
  list.Subscribe(&a);
  list.RaiseStrokePoint(1, 3, 4);
  list.RaiseStrokeEnd(0, 5, 6);
  list.RaiseStrokeExtra(0, 7, 8);
  EXPECT_EQ(log, (Log{"b:point:3,4", "a:point:3,4", "b:end:5,6", "a:end:5,6", "b:extra:7,8",
                      "a:extra:7,8"}));
  EXPECT_EQ(a.lastSource, &list);
  EXPECT_EQ(b.lastKeys, 0u);
}

TEST(StrokeListenerList, UnsubscribeRemovesTheFirstMatchAndKeepsTheOrder) {
  Log log;
  LoggingListener a("a", &log), b("b", &log), c("c", &log), stranger("x", &log);
  StrokeListenerList list;
  list.Subscribe(&a);
  list.Subscribe(&b);
  list.Subscribe(&c);
  list.Subscribe(&a);
  list.Unsubscribe(&stranger);
  list.Unsubscribe(&a);
  ASSERT_EQ(list.count, 3);
  EXPECT_EQ(list.capacity, 64);
  EXPECT_EQ(list.growBy, 64);
  list.RaiseStrokePoint(0, 1, 1);
  EXPECT_EQ(log, (Log{"b:point:1,1", "c:point:1,1", "a:point:1,1"}));
}

TEST(StrokeListenerList, AListenerLeavingDuringAnEventDoesNotMakeOthersMissIt) {
  Log log;
  LoggingListener a("a", &log), b("b", &log), c("c", &log);
  StrokeListenerList list;
  list.Subscribe(&a);
  list.Subscribe(&b);
  list.Subscribe(&c);
  b.leaveOnEvent = &list;
  list.RaiseStrokeEnd(0, 2, 2);
  EXPECT_EQ(log, (Log{"a:end:2,2", "b:end:2,2", "c:end:2,2"}));
  EXPECT_EQ(list.Count(), 2);
}

}  // namespace
}  // namespace morvane
