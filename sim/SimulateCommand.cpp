#include "sim/SimulateCommand.h"

#include <cstdio>
#include <cstdlib>

#include "common/Text.h"
#include "records/LogSink.h"
#include "records/PlayAnalysis.h"
#include "records/RecordFiles.h"

namespace tallowen {

namespace {

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

SimulateArgs ParseSimulateArgs(const std::vector<std::string>& args) {
    SimulateArgs out;
    if (args.empty() || (args.size() == 1 && args[0] == "--version")) {
        out.version = true;
        return out;
    }
    bool folderGiven = false;
    for (std::size_t i = 0; i < args.size() && out.error.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "--simulate") {
            out.simulate = true;
            continue;
        }
        const bool valued =
            a == "--boards" || a == "--lang" || a == "--seed" || a == "--folder" || a == "--expect";
        if (!valued) {
            out.error = "unknown argument: " + a;
            break;
        }
        if (i + 1 >= args.size()) {
            out.error = a + " needs a value";
            break;
        }
        const std::string& v = args[++i];
        long long n = 0;
        if (a == "--folder") {
            if (v.empty()) out.error = "--folder needs a folder";
            out.folder = PathFromUtf8(v);
            folderGiven = true;
        } else if (a == "--expect") {
            if (v.empty()) out.error = "--expect needs a folder";
            out.expect = PathFromUtf8(v);
        } else if (a == "--boards") {
            if (NumberInRange(v, 1, kMaxSimulatedBoards, n))
                out.boards = int(n);
            else
                out.error = "--boards takes a number from 1 to 100000";
        } else if (a == "--lang") {
            if (NumberInRange(v, 1, 10, n))
                out.language = int(n);
            else
                out.error = "--lang takes a language edition from 1 to 10";
        } else if (NumberInRange(v, 0, 0xFFFFFFFFll, n)) {
            out.seed = std::uint32_t(n);
        } else {
            out.error = "--seed takes a number from 0 to 4294967295";
        }
    }
    if (out.error.empty() && !out.simulate) out.error = "options need --simulate";
    if (out.error.empty() && !folderGiven) out.folder = DefaultSimulateFolder();
    return out;
}

std::filesystem::path DefaultSimulateFolder() {
    for (const char* name : {"HOME", "USERPROFILE"})
        if (const char* home = std::getenv(name); home && *home)
            return PathFromUtf8(home) / "Tallowen";
    return std::filesystem::current_path() / "Tallowen";
}

std::string RecordLine(const RecordRead& record) {
    const std::string& recordName = record.name;
    if (!record.ok) return recordName + "  unreadable: " + record.error;
    Deal deal = record.deal;
    NullLogSink log;
    DeriveDeal(deal, 0, log);
    std::string line = recordName + "  ";
    if (deal.Contract.empty()) return line + "no contract";
    if (deal.Level < 1) return line + deal.Contract;
    line += deal.Contract + " by " + SeatName(deal.Declarer);
    if (deal.Result == 0) return line + "  result unknown";
    // A result is the odd tricks taken when made, minus the undertricks when down.
    line += deal.Result > 0 ? "  made " + std::to_string(deal.Result + 6) + " tricks"
                            : "  down " + std::to_string(-deal.Result);
    const int scorer = deal.Result > 0 ? deal.DeclarerSide : 1 - deal.DeclarerSide;
    return line + "  " + (scorer == 0 ? "N-S" : "E-W") + " +" + std::to_string(deal.DupPts);
}

std::string SummaryLine(int played, int recorded, double seconds, double virtualSeconds) {
    const double rate = seconds > 0 ? played / seconds : 0;
    return "boards played " + std::to_string(played) + ", recorded " + std::to_string(recorded) +
           ", " + Fixed(seconds, 2) + " s (" + Fixed(virtualSeconds, 0) + " s at the table), " +
           Fixed(rate, 1) + " boards per second";
}

}  // namespace tallowen
