#include "drill/progress_pace.h"
#include "platform/system.h"

#include <algorithm>
#include <cstdlib>

namespace drill {

void PacedProgress::start(long maximum) {
    shown_.start(maximum);
    last_value_ = 0;
    last_time_ = platform::steady_milliseconds();
}

void PacedProgress::set_value(long value) {
    const long step = std::max(1L, maximum() / kProgressSteps);
    if (std::labs(value - last_value_) < step)
        return;
    const long long now = platform::steady_milliseconds();
    if (now - last_time_ < kProgressIntervalMs)
        return;
    shown_.set_value(value);
    last_value_ = value;
    last_time_ = now;
}

} // namespace drill
