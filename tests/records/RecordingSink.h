// A log sink that keeps the lines, so tests can check what was logged.
#pragma once

#include <string>
#include <vector>

#include "records/LogSink.h"

namespace tallowen {

class RecordingSink : public LogSink {
public:
    void Log(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

}  // namespace tallowen
