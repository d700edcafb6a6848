// Subscription and delivery of pen events.
#include "strokes/stroke_listener.h"

namespace morvane {

void StrokeListenerList::Subscribe(StrokeListener* listener) { Append(listener); }

void StrokeListenerList::Unsubscribe(StrokeListener* listener) {
  for (int32_t i = 0; i < count; ++i) {
    if (items[i] == listener) {
      RemoveAt(i);
      return;
    }
  }
}

void StrokeListenerList::RaiseStrokePoint(uint32_t keys, int32_t x, int32_t y) {
  Raise(&StrokeListener::OnStrokePoint, keys, x, y);
}

void StrokeListenerList::RaiseStrokeEnd(uint32_t keys, int32_t x, int32_t y) {
  Raise(&StrokeListener::OnStrokeEnd, keys, x, y);
}

void StrokeListenerList::RaiseStrokeExtra(uint32_t keys, int32_t x, int32_t y) {
  Raise(&StrokeListener::OnStrokeExtra, keys, x, y);
}

void StrokeListenerList::Raise(Event event, uint32_t keys, int32_t x, int32_t y) {
  // Bounds are read again each time round: a handler may change the list.
  for (int32_t i = 0; i < count; ++i) {
    StrokeListener* listener = At(i);
    (listener->*event)(this, keys, x, y);
    if (i < count && At(i) != listener) --i;
  }
}

}  // namespace morvane
