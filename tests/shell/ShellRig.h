// The watcher over a simulated desktop: the seams' stand-ins, recording views, a Work folder
// of its own, and (when asked) the simulated client with its windows open.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "platform/CodePage.h"
#include "reading/GlyphTable.h"
#include "shell/AppContext.h"
#include "shell/RecordingViews.h"
#include "sim/NullBackends.h"
#include "sim/SimClient.h"

namespace tallowen::testing {

struct ShellRig {
    SimDesktop desktop{Rect{0, 0, 1600, 1000}};
    SimClock clock;
    RecordingSound sound;
    RecordingBrowser browser;
    FixedFonts fonts;
    FixedCalendar calendar;
    SequenceRandom random;
    RecordingViews views;
    AppContext app{Seams{desktop, clock, sound, browser, fonts, calendar, random, AnsiCodePage()},
                   ViewSet{views.main, views.message, views.log, views.side, views.delWork}};
    std::unique_ptr<SimClient> client;
    std::filesystem::path folder;

    ShellRig() {
        // Under the home folder: the program refuses temporary folders.
        folder = std::filesystem::path(std::getenv("HOME") ? std::getenv("HOME") : ".") /
                 ".tallowen-tests" / std::to_string(std::random_device{}());
        std::filesystem::create_directories(folder / "Work");
        app.folders.app = folder;
        SetTallowenDefaults(app.settings);
        LoadGlyphTable(app.game.reading.glyphs, sound);
        SetWinTitle(app.game.windows, AnsiCodePage());
    }
    ~ShellRig() {
        client.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    // The simulated client of `language` with `board`, its windows opened by the client.
    SimClient& StartClient(int language, SimBoard board, SimStage stage = SimStage::Auction) {
        client = std::make_unique<SimClient>(desktop, &clock, language, std::move(board));
        client->SetStage(stage, 0);
        client->OpenAll();
        return *client;
    }
};

// Writes `text` to `path` byte for byte (the files the program reads at its start).
inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// What the main window shows of control `c`.
inline const ControlState& Shown(const ShellRig& rig, Control c) {
    return rig.views.main.controls[std::size_t(c)];
}

}  // namespace tallowen::testing
