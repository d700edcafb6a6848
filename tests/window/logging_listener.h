// A stroke listener for tests: logs "name:event:x,y" for every event.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "strokes/stroke_listener.h"

namespace morvane {

class LoggingListener : public StrokeListener {
 public:
  LoggingListener(std::string name, std::vector<std::string>* log)
      : name_(std::move(name)), log_(log) {}

  void OnStrokePoint(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override {
    Record("point", source, keys, x, y);
  }
  void OnStrokeEnd(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override {
    Record("end", source, keys, x, y);
  }
  void OnStrokeExtra(StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) override {
    Record("extra", source, keys, x, y);
  }

  StrokeListenerList* lastSource = nullptr;
  uint32_t lastKeys = 0;
  // When set, the listener unsubscribes itself from this list on its next event.
  StrokeListenerList* leaveOnEvent = nullptr;

 private:
  void Record(const char* event, StrokeListenerList* source, uint32_t keys, int32_t x, int32_t y) {
    lastSource = source;
    lastKeys = keys;
    log_->push_back(name_ + ":" + event + ":" + std::to_string(x) + "," + std::to_string(y));
    if (leaveOnEvent) {
      StrokeListenerList* list = leaveOnEvent;
      leaveOnEvent = nullptr;
      list->Unsubscribe(this);
    }
  }

  std::string name_;
  std::vector<std::string>* log_;
};

}  // namespace morvane
