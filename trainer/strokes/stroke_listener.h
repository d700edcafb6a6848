// Pen events of the handwriting canvas and the list of their listeners.
#pragma once

#include <cstdint>

#include "base/ptr_array.h"

namespace morvane {

class StrokeListenerList;

// Receives the canvas's pen events. `source` is the list that raised the
// event, `keys` the mouse message's key state, x and y the pen position.
class StrokeListener {
 public:
  // Pen down, and every pen move with or without the pen down.
  virtual void OnStrokePoint(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) = 0;
  // Pen up.
  virtual void OnStrokeEnd(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) = 0;
  // Never raised by a drawing area; relayed by the clearable canvas.
  virtual void OnStrokeExtra(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) = 0;

 protected:
  ~StrokeListener() = default;
};

// Listeners in subscription order (capacity and growth 64); never owns them.
// The array fields are its own, as for the other lists of the canvas.
class StrokeListenerList : public PtrArray {
 public:
  StrokeListenerList() : PtrArray(64) {}
  StrokeListenerList(const StrokeListenerList&) = delete;
  StrokeListenerList& operator=(const StrokeListenerList&) = delete;

  // Appends the listener.
  virtual void Subscribe(StrokeListener* listener);
  // Removes the first entry equal to the listener, keeping the others in
  // order; nothing if it is absent.
  virtual void Unsubscribe(StrokeListener* listener);
  virtual ~StrokeListenerList() = default;

  // Raise the event on every listener in order, with this list as source.
  // A listener may unsubscribe itself while it is called.
  void RaiseStrokePoint(uint32_t keys, int32_t x, int32_t y);
  void RaiseStrokeEnd(uint32_t keys, int32_t x, int32_t y);
  void RaiseStrokeExtra(uint32_t keys, int32_t x, int32_t y);

  StrokeListener* At(int32_t index) const { return static_cast<StrokeListener*>(items[index]); }

 private:
  using Event = void (StrokeListener::*)(StrokeListenerList*, uint32_t, int32_t, int32_t);
  void Raise(Event event, uint32_t keys, int32_t x, int32_t y);
};

}  // namespace morvane
