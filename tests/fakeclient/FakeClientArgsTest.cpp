// The fake client's command line and the session it asks for.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/fake-client/FakeClientArgs.h"

namespace tallowen::testing {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// A command line and what it gives: an error (its beginning), or the mode and numbers.
struct ArgsCase {
    std::string line, error;
    FakeClientMode mode = FakeClientMode::Play;
    int boards = 1;
    std::uint32_t seed = 1;
    int language = 1;
    std::uint32_t pace = 1000;
};
ArgsCase Ok(std::string line, FakeClientMode mode = FakeClientMode::Play, int boards = 1,
            std::uint32_t seed = 1, int language = 1, std::uint32_t pace = 1000) {
    return ArgsCase{std::move(line), "", mode, boards, seed, language, pace};
}
ArgsCase Refused(std::string line, std::string error) {
    ArgsCase c;
    c.line = std::move(line);
    c.error = std::move(error);
    return c;
}
class FakeClientArgsTable : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(FakeClientArgsTable, ParsesOrRefuses) {
    const ArgsCase& c = GetParam();
    const FakeClientArgs a = ParseFakeClientArgs(Words(c.line));
    if (!c.error.empty()) {
        EXPECT_EQ(a.error.rfind(c.error, 0), 0u) << a.error;
        return;
    }
    ASSERT_EQ(a.error, "");
    EXPECT_EQ(a.mode, c.mode);
    EXPECT_EQ((std::tuple{a.boards, a.seed, a.language, a.paceMs}),
              (std::tuple{c.boards, c.seed, c.language, c.pace}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FakeClientArgsTable,
    ::testing::Values(
        Ok(""), Ok("--boards 3 --seed 7 --lang 2 --pace 250", FakeClientMode::Play, 3, 7, 2, 250),
        Ok("--selfcheck --lang 10", FakeClientMode::SelfCheck, 1, 1, 10),
        Ok("--seed 4294967295 --pace 60000 --boards 1000", FakeClientMode::Play, 1000, 4294967295u,
           1, 60000),
        Ok("--compare prog expect", FakeClientMode::Compare),
        Refused("--boards 0", "--boards takes"), Refused("--boards 1001", "--boards takes"),
        Refused("--lang 11", "--lang takes"), Refused("--pace 49", "--pace takes"),
        Refused("--pace 2s", "--pace takes"), Refused("--seed -1", "--seed takes"),
        Refused("--boards", "--boards needs a value"),
        Refused("--compare prog", "--compare needs two values"),
        Refused("--expect", "--expect needs a value"),
        Refused("--fast", "unknown argument: --fast"),
        Refused("--boards 2 extra", "unknown argument: extra")));

TEST(FakeClientArgs, FoldersAreKept) {
    const FakeClientArgs play = ParseFakeClientArgs({"--expect", "out/exp"});
    EXPECT_EQ(play.expect, std::filesystem::path("out/exp"));
    const FakeClientArgs cmp = ParseFakeClientArgs({"--compare", "prog", "exp"});
    EXPECT_EQ(cmp.folder, std::filesystem::path("prog"));
    EXPECT_EQ(cmp.expected, std::filesystem::path("exp"));
    EXPECT_NE(ParseFakeClientArgs({"--compare", "", "exp"}).error, "");
}

// The pace sets every step of the client; the boards are always bid, never passed out, so
// that each one leaves a record to compare.
TEST(FakeClientArgs, ThePaceSetsCallsTricksAndThePause) {
    const SimSessionOptions o =
        FakeSessionOptions(ParseFakeClientArgs(Words("--boards 4 --seed 9 --lang 3 --pace 300")));
    EXPECT_EQ((std::tuple{o.callMs, o.trickMs, o.pauseMs}), (std::tuple{300u, 300u, 900u}));
    EXPECT_EQ((std::tuple{o.plan.boards, o.plan.seed, o.language}), (std::tuple{4, 9u, 3}));
    EXPECT_EQ(o.plan.minBids, 1);
    EXPECT_TRUE(o.trailingDeal);
    EXPECT_EQ(o.faults.windowClosed + o.faults.tableAway + o.faults.misdrawnGlyph, 0);
}

}  // namespace
}  // namespace tallowen::testing
