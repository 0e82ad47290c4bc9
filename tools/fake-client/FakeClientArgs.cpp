#include "tools/fake-client/FakeClientArgs.h"

#include "common/Files.h"
#include "common/Text.h"

namespace tallowen {

namespace {

struct NumberOption {
    const char* name;
    long long low, high;
};

constexpr NumberOption kNumbers[] = {
    {"--boards", 1, 1000}, {"--seed", 0, 0xFFFFFFFFll}, {"--lang", 1, 10}, {"--pace", 50, 60000}};

void SetNumber(FakeClientArgs& out, const std::string& name, long long n) {
    if (name == "--boards") out.boards = int(n);
    if (name == "--seed") out.seed = std::uint32_t(n);
    if (name == "--lang") out.language = int(n);
    if (name == "--pace") out.paceMs = std::uint32_t(n);
}

// One option at args[i] with its values; returns the index of the last argument used.
std::size_t TakeOption(const std::vector<std::string>& args, std::size_t i, FakeClientArgs& out) {
    const std::string& a = args[i];
    if (a == "--selfcheck") {
        out.mode = FakeClientMode::SelfCheck;
        return i;
    }
    bool known = a == "--compare" || a == "--expect";
    for (const NumberOption& o : kNumbers) known = known || a == o.name;
    if (!known) {
        out.error = "unknown argument: " + a;
        return i;
    }
    const std::size_t values = a == "--compare" ? 2 : 1;
    if (i + values >= args.size()) {
        out.error = a + " needs " + (values == 2 ? "two values" : "a value");
        return i;
    }
    if (a == "--compare") {
        out.mode = FakeClientMode::Compare;
        out.folder = PathFromUtf8(args[i + 1]);
        out.expected = PathFromUtf8(args[i + 2]);
        if (args[i + 1].empty() || args[i + 2].empty()) out.error = "--compare needs two folders";
        return i + 2;
    }
    if (a == "--expect") {
        out.expect = PathFromUtf8(args[i + 1]);
        if (args[i + 1].empty()) out.error = "--expect needs a folder";
        return i + 1;
    }
    for (const NumberOption& o : kNumbers) {
        if (a != o.name) continue;
        long long n = 0;
        if (NumberInRange(args[i + 1], o.low, o.high, n))
            SetNumber(out, a, n);
        else
            out.error = a + " takes a number from " + std::to_string(o.low) + " to " +
                        std::to_string(o.high);
    }
    return i + 1;
}

}  // namespace

FakeClientArgs ParseFakeClientArgs(const std::vector<std::string>& args) {
    FakeClientArgs out;
    for (std::size_t i = 0; i < args.size() && out.error.empty(); ++i) i = TakeOption(args, i, out);
    return out;
}

SimSessionOptions FakeSessionOptions(const FakeClientArgs& args) {
    SimSessionOptions options;
    options.plan.boards = args.boards;
    options.plan.seed = args.seed;
    options.plan.minBids = 1;
    options.language = args.language;
    options.callMs = args.paceMs;
    options.trickMs = args.paceMs;
    options.pauseMs = 3 * args.paceMs;
    return options;
}

std::string FakeClientUsage() {
    return "usage: tallowen-fake-client [--boards N] [--seed S] [--lang 1..10] [--pace MS]\n"
           "                            [--expect DIR] [--selfcheck]\n"
           "       tallowen-fake-client --compare PROGRAM-FOLDER EXPECT-DIR";
}

}  // namespace tallowen
