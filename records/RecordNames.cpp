#include "records/RecordNames.h"

#include <algorithm>

#include "common/Text.h"

namespace tallowen {

namespace {
std::string TwoDigits(int n) {
    n = std::clamp(n, 0, 99);
    return std::string(1, char('0' + n / 10)) + char('0' + n % 10);
}
}  // namespace

std::string CounterText(std::int32_t counter) {
    std::string text = NumText(counter);
    if (counter >= 0 && text.size() < 3) text.insert(0, 3 - text.size(), '0');
    return text;
}

std::string PrefixForDate(int month, int day) {
    return TwoDigits(month) + "_" + TwoDigits(day) + "_";
}

std::string RecordName(std::string_view prefix, std::int32_t counter) {
    return std::string(prefix) + CounterText(counter);
}

std::string RecordFileName(std::string_view recordName) {
    return std::string(recordName) + std::string(kRecordExtension);
}

std::string BackupFileName(std::string_view recordName) {
    return std::string(kBackupPrefix) + RecordFileName(recordName);
}

void MakeRecordPrefix(RecordNaming& naming, int month, int day,
                      const std::vector<std::string>& recordNames) {
    naming.RecordPrefix = PrefixForDate(month, day);
    std::int32_t largest = 0;
    for (const auto& name : recordNames) {
        if (!StartsWith(name, naming.RecordPrefix)) continue;
        // All digits after the prefix count, so that the 1000th record of a day is followed
        // by the 1001st and not by a name already taken.
        std::string_view rest = std::string_view(name).substr(naming.RecordPrefix.size());
        std::int32_t value = 0;
        std::size_t i = 0;
        for (; i < rest.size() && i < 9 && rest[i] >= '0' && rest[i] <= '9'; ++i)
            value = value * 10 + (rest[i] - '0');
        if (i > 0) largest = std::max(largest, value);
    }
    naming.RecordCounter = largest + 1;
}

}  // namespace tallowen
