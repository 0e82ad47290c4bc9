// Side by side on the same simulated windows: our readers and the Tesseract OCR engine
// (a benchmark peer only; scripts/bench-tesseract.sh installs it). Tesseract gets each
// window upscaled three times, which it reads far better than the client's 12-pixel font,
// and all windows in one run, so that its start-up is shared. Its accuracy is the share of
// the drawn words it returns exactly; ours the share of report fields that are right.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "SimBenchWindows.h"
#include "reading/Bmp.h"

namespace tallowen::bench {
namespace {

constexpr int kScale = 3;

Image555 Upscale(const Image555& in, int scale) {
    Image555 out(in.width * scale, in.height * scale);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.Set(x, y, in.At(x / scale, y / scale));
    return out;
}

bool RunCommand(const std::string& command, std::string& output) {
#ifdef _WIN32
    (void)command;
    (void)output;
    return false;
#else
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return false;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) output.append(buf, n);
    return pclose(pipe) == 0;
#endif
}

// Share of `drawn` found as whole words in `text` (each found word used once).
std::pair<int, int> WordsFound(const std::vector<std::string>& drawn, const std::string& text) {
    std::map<std::string, int> words;
    std::istringstream in(text);
    for (std::string w; in >> w;) ++words[w];
    int found = 0;
    for (const std::string& w : drawn)
        if (words[w] > 0) --words[w], ++found;
    return {found, int(drawn.size())};
}

void BM_TesseractSideBySide(benchmark::State& state) {
    std::vector<SimBenchWindow> windows = MakeSimBenchWindows();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "tallowen-tesseract-bench";
    std::filesystem::create_directories(folder);
    std::string list;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const std::filesystem::path file = folder / ("window" + std::to_string(i) + ".bmp");
        SaveBmp(file, Upscale(windows[i].picture, kScale));
        list += file.string() + "\n";
    }
    WriteBytes(folder / "list.txt", list);
    const std::string command =
        "tesseract '" + (folder / "list.txt").string() + "' stdout --psm 11 -l eng 2>/dev/null";
    std::string probe;
    if (!RunCommand("tesseract --version >/dev/null 2>&1", probe)) {
        state.SkipWithError("tesseract is not installed: run scripts/bench-tesseract.sh");
        return;
    }
    double tessSeconds = 0, oursSeconds = 0;
    std::pair<int, int> tessWords{0, 0};
    int oursRight = 0, oursFields = 0, oursWindows = 0;
    for (auto _ : state) {
        std::string text;
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = RunCommand(command, text);
        const auto t1 = std::chrono::steady_clock::now();
        if (!ok) {
            state.SkipWithError("tesseract failed");
            return;
        }
        tessSeconds = std::chrono::duration<double>(t1 - t0).count();
        // Pages come back in order, each ended by a form feed.
        std::vector<std::string> pages(1);
        for (char c : text) {
            if (c == '\f')
                pages.emplace_back();
            else
                pages.back() += c;
        }
        tessWords = {0, 0};
        for (std::size_t i = 0; i < windows.size(); ++i) {
            auto [found, total] =
                WordsFound(windows[i].drawn, i < pages.size() ? pages[i] : std::string());
            tessWords.first += found;
            tessWords.second += total;
        }
        // Ours on the same windows, many rounds for a steady figure.
        constexpr int kRounds = 50;
        oursRight = oursFields = oursWindows = 0;
        const auto u0 = std::chrono::steady_clock::now();
        for (int round = 0; round < kRounds; ++round) {
            for (SimBenchWindow& w : windows) {
                const std::vector<std::string> got = w.Read();
                for (std::size_t f = 0; f < w.expected.size(); ++f)
                    oursRight += f < got.size() && got[f] == w.expected[f] ? 1 : 0;
                oursFields += int(w.expected.size());
                oursWindows += got == w.expected ? 1 : 0;
            }
        }
        const auto u1 = std::chrono::steady_clock::now();
        oursSeconds = std::chrono::duration<double>(u1 - u0).count() / kRounds;
        state.SetIterationTime(tessSeconds);
    }
    const double n = double(windows.size());
    state.counters["windows"] = n;
    state.counters["tess_ms_per_window"] = 1e3 * tessSeconds / n;
    state.counters["tess_words_pct"] = 100.0 * tessWords.first / std::max(1, tessWords.second);
    state.counters["ours_us_per_window"] = 1e6 * oursSeconds / n;
    state.counters["ours_fields_pct"] = 100.0 * oursRight / std::max(1, oursFields);
    state.counters["ours_windows_pct"] = 100.0 * oursWindows / (n * 50);
    state.counters["speedup"] = oursSeconds > 0 ? tessSeconds / oursSeconds : 0;
}
BENCHMARK(BM_TesseractSideBySide)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallowen::bench
