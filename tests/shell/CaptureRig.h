// The watcher with the simulated client's windows known, as discovery leaves them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ShellRig.h"
#include "reading/Buttons.h"
#include "reading/CardImages.h"
#include "records/RecordFiles.h"
#include "shell/CaptureSupport.h"
#include "shell/Captures.h"

namespace tallowen::testing {

struct CaptureRig : ShellRig {
    CaptureRig() {
        LoadCardImages(app.game.cardImages, sound);
        app.writes.naming.RecordPrefix = "12_06_";
    }

    SimClient& Start(const SimBoard& board, SimStage stage, int progress = 0, int language = 1) {
        StartClient(language, board, stage);
        client->SetStage(stage, progress);
        app.game.windows.language = language;
        app.game.windows.table = client->Handle(0);
        for (int k = 1; k <= 5; ++k) app.game.windows.handle[std::size_t(k)] = client->Handle(k);
        app.loop.gamePresent = 1;
        app.loop.tickCounter = 20;
        PrepareReading(app.game.reading, app.game.infoBox);
        return *client;
    }
    // The client with the board's auction over.
    SimClient& StartAuctionOver(const SimBoard& board) {
        return Start(board, SimStage::Auction, int(board.calls.size()));
    }
    std::vector<int> MessageCodes() const {
        std::vector<int> codes;
        for (const auto& m : app.capture.notes.messages) codes.push_back(m.code);
        return codes;
    }
    std::vector<std::string> Records() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder / "Work")) {
            const std::string name = entry.path().filename().string();
            if (name != "BridgeBid.brg") names.push_back(name);
        }
        return names;
    }
    std::string BidFile() const {
        std::ifstream in(folder / "Work" / "BridgeBid.brg", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    Deal ReadBack(const std::string& recordName) {
        Deal deal;
        EXPECT_TRUE(ReadDealFile(deal, recordName, app.folders, app.seams.codePage).ok);
        return deal;
    }
    const CaptureSlot& SlotOf(Slot s) const { return app.loop.schedule[s]; }
    const ControlState& Ctl(Control c) const { return views.main.controls[std::size_t(c)]; }
};

// A board with a contract, played to the end without a claim.
inline SimBoard PlayedBoard(std::uint32_t seed) {
    SimBoard board = MakeBoard(seed);
    board.calls = MakeAuction(seed, 1);
    CompleteBoard(board, seed, false);
    return board;
}

}  // namespace tallowen::testing
