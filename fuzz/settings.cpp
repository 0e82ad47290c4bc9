// The settings reader over any file: every key line applied in order, from both programs'
// defaults. Nothing may crash; the values that end up in pages must stay harmless.
#include <cstdlib>

#include "common/Settings.h"
#include "fuzz/FuzzLines.h"

using namespace tallowen;

namespace {

bool IsHexColour(const std::string& colour) {
    if (colour.size() < 2 || colour[0] != '#') return false;
    for (std::size_t i = 1; i < colour.size(); ++i) {
        char c = colour[i];
        bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines = fuzz::Lines(data, size);
    for (bool tallowen : {false, true}) {
        Settings settings = CommonDefaults();
        if (tallowen) SetTallowenDefaults(settings);
        ApplyINILines(lines, "/nonexistent-tallowen-fuzz", settings);
        for (const std::string* colour :
             {&settings.backColor3, &settings.backColor4, &settings.backColor5})
            if (!IsHexColour(*colour)) std::abort();
        if (settings.myYahooID.size() > kMaxYahooIDs) std::abort();
    }
    return 0;
}
