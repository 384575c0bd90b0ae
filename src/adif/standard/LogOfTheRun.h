#pragma once

#include "adif/standard/RecordGate.h"

#include <string_view>

namespace Conversion {

// One log of a run whose records a gate of the run's decides about: the gate forgets them
// unless the log is kept, once it has been read to its end. Without a gate there is nothing
// to tell.
class LogOfTheRun
{
public:
    LogOfTheRun(RecordGate* gate, std::string_view logName) : gate_(gate)
    {
        if (gate_ != nullptr)
            gate_->StartLog(logName);
    }
    ~LogOfTheRun()
    {
        if (gate_ != nullptr && !kept_)
            gate_->AbandonLog();
    }
    LogOfTheRun(const LogOfTheRun&) = delete;
    LogOfTheRun& operator=(const LogOfTheRun&) = delete;
    void Keep() { kept_ = true; }

private:
    RecordGate* gate_;
    bool kept_ = false;
};

} // namespace Conversion
