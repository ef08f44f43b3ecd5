#include "platform/window_timers.h"

namespace platform {

void WindowTimers::Set(int id, uint64_t periodMicros, uint64_t nowMicros) {
  if (periodMicros < kMinimumPeriodMicros) periodMicros = kMinimumPeriodMicros;
  timers_[id] = {periodMicros, nowMicros + periodMicros};
}

void WindowTimers::Kill(int id) { timers_.erase(id); }

bool WindowTimers::TakeDue(uint64_t nowMicros, int& id) {
  auto earliest = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it)
    if (it->second.due <= nowMicros && (earliest == timers_.end() || it->second.due < earliest->second.due))
      earliest = it;
  if (earliest == timers_.end()) return false;
  Timer& t = earliest->second;
  t.due += t.period;
  if (t.due <= nowMicros) t.due = nowMicros + t.period;
  id = earliest->first;
  return true;
}

bool WindowTimers::NextDue(uint64_t& micros) const {
  bool any = false;
  for (const auto& [id, timer] : timers_)
    if (!any || timer.due < micros) {
      micros = timer.due;
      any = true;
    }
  return any;
}

bool WindowTimers::Period(int id, uint64_t& periodMicros) const {
  auto it = timers_.find(id);
  if (it == timers_.end()) return false;
  periodMicros = it->second.period;
  return true;
}

}  // namespace platform
