// Reading the last-hand window: four lines, each a player's name and thirteen cards, with
// the card letters of the client's language turned into ranks 2-9, T, J, Q, K, A and suits
// C, D, H, S.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "reading/CaptureResult.h"

namespace tallowen {

struct ReadingContext;

constexpr int kHandCards = 13;

struct HandReading {
    std::array<std::string, 4> names;  // the lines from top to bottom
    // cards[line][k]: card k (left to right) of the line, rank then suit ("TH").
    std::array<std::array<std::string, kHandCards>, 4> cards;
    // 0 plain, 1 written "[..]", 2 written "(..)".
    std::array<std::array<std::uint8_t, kHandCards>, 4> marks{};
    // Read also when the window could not be copied at all: then nothing is in it.
    CaptureResult result = CaptureResult::Read;
};

// `minimizeAfter`: the "Minimize LastHand" setting. A line whose card words are not
// thirteen cards fails the read: the lines before it and its cards up to the bad one stay.
HandReading CaptHand(ReadingContext& ctx, bool minimizeAfter);

// One card word as the client shows it, in the system's notation: mark 1 for "[", 2 for "(";
// "10" is T; rank and suit letters by language. False when it is not a card.
bool NormaliseCardWord(std::string word, int language, std::string& card, std::uint8_t& mark);

}  // namespace tallowen
