// A reading engine pointed at a simulated desktop with the simulated client on it.
#pragma once

#include <memory>

#include "reading/Buttons.h"
#include "reading/ReadingContext.h"
#include "reading/TricksCount.h"
#include "sim/NullBackends.h"
#include "sim/SimClient.h"

namespace tallowen::testing {

struct SimHarness {
    SimDesktop desktop{Rect{0, 0, 1600, 1000}};
    SimClock clock;
    RecordingSound sound;
    GameWindows windows;
    ReadingContext ctx{desktop, clock, sound, windows};
    InfoBoxState box;
    ButtonState buttons;
    std::unique_ptr<SimClient> client;

    explicit SimHarness(int language, SimBoard board, SimStage stage = SimStage::Done,
                        int progress = 0, bool openAll = true) {
        client = std::make_unique<SimClient>(desktop, &clock, language, std::move(board));
        client->SetStage(stage, progress);
        windows.language = language;
        LoadGlyphTable(ctx.glyphs, sound);
        if (openAll)
            client->OpenAll();
        else
            client->OpenTable();
        FindHandles();
        PrepareReading(ctx, box);
    }
    // The reader side learns the handles (the shell finds them by title).
    void FindHandles() {
        windows.table = client->Handle(0);
        for (int k = 1; k <= 5; ++k) windows.handle[std::size_t(k)] = client->Handle(k);
    }
};

}  // namespace tallowen::testing
