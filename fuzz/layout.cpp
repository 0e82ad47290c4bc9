// The window-layout file reader over any file (it reads from disk, so each input is written
// to a file of this process first), and the position-line reader over each line.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "common/Layout.h"
#include "fuzz/FuzzLines.h"
#include "platform/CodePage.h"

using namespace tallowen;

namespace {
// The file of this process, removed when the run ends.
struct ScratchFile {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("tallowen-fuzz-layout-" + std::to_string(getpid()) + ".CFG");
    ~ScratchFile() {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch;
    const std::filesystem::path& file = scratch.path;
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    for (int width : {1024, 1280}) {
        WindowLayout layout;
        ReadCFG(file, width, AnsiCodePage(), layout);
        for (const PointXY& p : layout.saved)
            if (p.x > 1000 || p.y > 1000) std::abort();  // the reader clamps every position
    }
    for (const std::string& line : fuzz::Lines(data, size)) {
        PointXY p = ReadWinPos(line);
        if (p.x > 1000 || p.x < -10 || p.y > 1000 || p.y < -15) std::abort();
    }
    return 0;
}
