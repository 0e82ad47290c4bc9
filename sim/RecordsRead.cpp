#include "sim/RecordsRead.h"

namespace tallowen {

RecordRead ReadRecord(const Folders& folders, const std::string& name, const CodePage& page) {
    RecordRead r;
    r.name = name;
    const RecordResult result = ReadDealFile(r.deal, name, folders, page);
    r.ok = result.ok;
    r.error = result.error;
    return r;
}

void RecordsRead::RecordWritten(const std::string& name) {
    read.push_back(ReadRecord(folders_, name, page_));
    if (onRead) onRead(read.back());
}

std::map<std::string, Deal> RecordsRead::Readable() const {
    std::map<std::string, Deal> out;
    for (const RecordRead& r : read)
        if (r.ok) out[r.name] = r.deal;
    return out;
}

}  // namespace tallowen
