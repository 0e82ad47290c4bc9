// Where the scoring and the record readers write their diagnostic lines. The recorder sends
// them to its log window when that is shown; the report utility drops them.
#pragma once

#include <string>

namespace tallowen {

class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void Log(const std::string& line) = 0;
};

class NullLogSink final : public LogSink {
public:
    void Log(const std::string&) override {}
};

}  // namespace tallowen
