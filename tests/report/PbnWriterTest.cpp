// PBN output: the pieces of a board as PBN 2.1 writes them, missing data marked rather than
// guessed, and whole runs with PBN and double dummy on (valid pages, the suffix rule shared).
#include <gtest/gtest.h>

#include <fstream>

#include "common/Text.h"
#include "report/DdPage.h"
#include "report/PbnWriter.h"
#include "tests/report/ReportFixture.h"

namespace tallowen {
namespace {

namespace fs = std::filesystem;

Deal WithCalls(std::vector<std::vector<std::string>> rounds) {
    Deal d;
    d.Rounds = static_cast<int>(rounds.size());
    for (std::size_t r = 0; r < rounds.size(); ++r)
        for (std::size_t s = 0; s < 4 && s < rounds[r].size(); ++s)
            d.Calls[r + 1][s] = rounds[r][s];
    return d;
}

struct AuctionCase {
    const char* name;
    std::vector<std::vector<std::string>> rounds;
    std::vector<std::string> lines;
};
class PbnAuctionRule : public ::testing::TestWithParam<AuctionCase> {};

TEST_P(PbnAuctionRule, CallsFromTheDealerFourToALine) {
    EXPECT_EQ(PbnAuction(WithCalls(GetParam().rounds)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PbnAuctionRule,
    ::testing::Values(
        AuctionCase{"DealerSouth",
                    {{"", "", "1H", "Pass"}, {"4H", "X", "XX", "Pass"}, {"Pass", "Pass", "", ""}},
                    {"1H Pass 4H X", "XX Pass Pass Pass"}},
        AuctionCase{"PassedOut", {{"パス", "Pass", "Pass", "Pass"}}, {"Pass Pass Pass Pass"}},
        AuctionCase{"OpeningBidPassedOut", {{"1H", "Pass", "Pass", "Pass"}}, {"1H Pass Pass Pass"}},
        AuctionCase{"Unfinished", {{"1C", "Pass", "1S", ""}}, {"1C Pass 1S *"}},
        AuctionCase{"UnreadableCallEndsWhatIsKnown",
                    {{"1C", "1?", "Pass", "Pass"}, {"Pass", "", "", ""}},
                    {"1C *"}},
        AuctionCase{"ThreePassesOpeningAreNotTheEnd",
                    {{"Pass", "Pass", "Pass", "1NT"}, {"Pass", "Pass", "Pass", ""}},
                    {"Pass Pass Pass 1NT", "Pass Pass Pass"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ContractCase {
    int level, strain, doubled;
    const char* contract;
    const char* pbn;
};
class PbnContractRule : public ::testing::TestWithParam<ContractCase> {};

TEST_P(PbnContractRule, LevelStrainAndDoubles) {
    Deal d;
    d.Level = GetParam().level;
    d.Strain = GetParam().strain;
    d.Doubled = GetParam().doubled;
    d.Contract = GetParam().contract;
    EXPECT_EQ(PbnContract(d), GetParam().pbn);
}

INSTANTIATE_TEST_SUITE_P(Cases, PbnContractRule,
                         ::testing::Values(ContractCase{4, 3, 0, "4S", "4S"},
                                           ContractCase{3, 4, 1, "3NTx", "3NTX"},
                                           ContractCase{0, -1, -1, "Pass Out", "Pass"},
                                           ContractCase{0, -1, -1, "", "?"}));

Deal FullDeal() {
    Deal d;
    for (int seat = 0; seat < 4; ++seat)
        for (int t = 0; t < 13; ++t) {
            // North all spades, East hearts, South diamonds, West clubs; tricks high first.
            int suit = 3 - seat;
            d.PlayCodes[seat][t] = static_cast<std::int16_t>(suit * 100 + 14 - t);
            d.Cards[seat][t] = CardText(d.PlayCodes[seat][t]);
        }
    return d;
}

TEST(PbnDeal, FromTheFirstSeatAndAHandNotWhollyKnownIsADash) {
    Deal d = FullDeal();
    EXPECT_EQ(PbnDeal(d, 1),
              "E:.AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432 AKQJT98765432...");
    d.PlayCodes[2][5] = 0;                  // a card of South not read
    d.PlayCodes[3][0] = d.PlayCodes[0][0];  // West's first card also North's
    EXPECT_EQ(PbnDeal(d, 0), "N:- .AKQJT98765432.. - -");
}

TEST(PbnPlay, TricksFromTheLeaderAndAClaimEndsWithAStar) {
    Deal d = FullDeal();
    std::vector<std::string> all = PbnPlay(d, 3);
    ASSERT_EQ(all.size(), 13u);
    EXPECT_EQ(all[0], "CA SA HA DA");
    // A claim in the middle of trick 12: the rest never played.
    for (int seat = 0; seat < 4; ++seat) d.CardMarks[seat][12] = 2;
    d.CardMarks[1][11] = d.CardMarks[2][11] = 2;
    std::vector<std::string> claimed = PbnPlay(d, 3);
    ASSERT_EQ(claimed.size(), 13u);
    EXPECT_EQ(claimed[11], "C3 S3 - -");
    EXPECT_EQ(claimed[12], "*");
}

TEST(PbnString, QuotesAndBackslashesEscapedControlsBlanked) {
    EXPECT_EQ(PbnString("a\"b\\c\td"), "a\\\"b\\\\c d");
}

TEST(PbnPar, ContractsAsPbnWritesThem) {
    DdPar par;
    par.known = true;
    par.contracts = {ParContract{4, 3, true, "EW", -1}, ParContract{3, 4, false, "N", 1}};
    EXPECT_EQ(PbnParContract(par), "EW 4SX-1, NS 3NT+1");
    EXPECT_EQ(DdParText(par, nullptr), "Par NS 0: 4Sx EW -1, 3NT N +1");
    // By side, the same contract from either seat is written once.
    par.contracts = {ParContract{3, 4, false, "N", 0}, ParContract{3, 4, false, "S", 0},
                     ParContract{4, 2, false, "NS", 0}};
    EXPECT_EQ(PbnParContract(par), "NS 3NT, NS 4H");
    DdPar pass;
    pass.known = true;
    pass.passOut = true;
    EXPECT_EQ(PbnParContract(pass), "Pass");
}

TEST(DdPage, ABoardNotAnalysedSaysWhyInEveryOutput) {
    DdResult dd;
    dd.why = "the hand of West is incomplete";
    PageText page;
    PageStyle style;
    WriteDdHtml(page, style, dd);
    std::string html;
    for (const std::string& line : page.Lines()) html += line + "\n";
    EXPECT_NE(html.find("<td class=lft>Double dummy: not analysed, the hand of West is incomplete"),
              std::string::npos);
    EXPECT_EQ(html.find("Par"), std::string::npos);
    EXPECT_EQ(DdTextLines(dd), std::vector<std::string>{
                                   " Double dummy: not analysed, the hand of West is incomplete"});
    dd.play.why = dd.why;
    EXPECT_EQ(DdPlayText(Deal(), dd.play, &style),
              "Double dummy play: not analysed, the hand of West is incomplete");
    Board board;
    PageText pbn;
    WritePbnBoard(pbn, board, "2006.10.22", &dd);
    std::string text;
    for (const std::string& line : pbn.Lines()) text += line + "\n";
    EXPECT_NE(text.find("{Double dummy: not analysed, the hand of West is incomplete}"),
              std::string::npos);
    EXPECT_EQ(text.find("Optimum"), std::string::npos);
    // Nothing of this board is known: every tag says so rather than guessing.
    for (const char* tag : {"[Dealer \"?\"]", "[Vulnerable \"?\"]", "[Deal \"N:- - - -\"]",
                            "[Contract \"?\"]", "[Result \"?\"]", "[Score \"?\"]"})
        EXPECT_NE(text.find(tag), std::string::npos) << tag;
    EXPECT_EQ(text.find("[Auction"), std::string::npos);
    EXPECT_EQ(text.find("[Play"), std::string::npos);
}

// ---- whole runs ----

class PbnRunTest : public ::testing::TestWithParam<bool> {};

TEST_P(PbnRunTest, PagesWithTheTableValidateAndThePbnFileHoldsEveryBoard) {
    const bool strict = GetParam();
    ReportRun run;
    run.CopyWork("work");
    run.WriteSettings({strict ? "strict = yes" : "strict = no", "Text Output = yes",
                       "PBN Output = yes", "Double Dummy = yes"});
    ASSERT_EQ(run.Run(), 0);
    for (const char* page : {"2006_10_21.htm", "2006_10_22.htm"}) {
        EXPECT_VALID_HTML(run.app() / "HandRec" / page, "UTF-8");
        EXPECT_NE(run.Output("HandRec", page).find("table.dd{"), std::string::npos);
    }
    const std::string html = run.Output("HandRec", "2006_10_22.htm");
    EXPECT_NE(html.find(strict ? "<table border=1 class=dd>" : "<table border=1 align=left"),
              std::string::npos);
    EXPECT_NE(html.find("Par NS "), std::string::npos);
    const std::string pbn = run.Output("HandRec", "2006_10_22.pbn");
    // The claim board: East's 3NT, South on lead, the play ended by a claim.
    EXPECT_NE(pbn.find("[Declarer \"E\"]\r\n[Contract \"3NT\"]"), std::string::npos);
    EXPECT_NE(pbn.find("[Play \"S\"]\r\nSK S2 SJ S5\r\n"), std::string::npos);
    // The supplemental tags before the sections, the table after them.
    EXPECT_NE(pbn.find("[Result \"7\"]\r\n[OptimumScore \"NS "), std::string::npos);
    EXPECT_NE(pbn.find("\r\n*\r\n[OptimumResultTable"), std::string::npos);
    const std::string text = run.Utf8Output("HandRec", "2006_10_22.txt");
    EXPECT_NE(text.find(" Double dummy   NT   S   H   D   C"), std::string::npos);
    // The first board's play as the solver sees it: North's 4S makes 11 tricks double dummy;
    // North's heart to the first trick gave one away, marked on the page and under the card in
    // the twin.
    const std::string line =
        "Double dummy before the opening lead: 4%+1 by North (11 tricks). Given away in the "
        "play: by declarer 3 tricks, by the defenders 2 tricks.";
    const std::size_t suit = line.find('%');
    EXPECT_NE(html.find("<p class=dd>" + line.substr(0, suit) + "<span class=spd>&spades;</span>" +
                        line.substr(suit + 1) + "</p>"),
              std::string::npos);
    EXPECT_NE(html.find("3<span class=ddl title=\"gave away 1 trick double dummy\">1</span>"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n " + line.substr(0, suit) + "S" + line.substr(suit + 1) + "\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n N   3H  QH [AS]"), std::string::npos);
    EXPECT_NE(text.find("[JC]\r\n     ^1\r\n E  [TH]"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Doctypes, PbnRunTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Strict" : "Loose"; });

TEST(PbnRun, TheDaysPbnFileTakesThePagesSuffixAndNeverOverwrites) {
    ReportRun run;
    run.CopyWork("work");
    run.WriteSettings({"PBN Output = yes"});
    fs::create_directories(run.app() / "HandRec");
    // A PBN file left from elsewhere under the day's first name: the page moves on with it.
    std::ofstream(run.app() / "HandRec" / "2006_10_22.pbn") << "keep";
    ASSERT_EQ(run.Run(), 0);
    EXPECT_EQ(run.Output("HandRec", "2006_10_22.pbn"), "keep");
    EXPECT_TRUE(fs::exists(run.app() / "HandRec" / "2006_10_220A.htm"));
    EXPECT_TRUE(fs::exists(run.app() / "HandRec" / "2006_10_220A.pbn"));
    EXPECT_TRUE(fs::exists(run.app() / "HandRec" / "2006_10_21.pbn"));
    // Without double dummy the file has no analysis and the page no table.
    EXPECT_EQ(run.Output("HandRec", "2006_10_220A.pbn").find("Optimum"), std::string::npos);
    EXPECT_EQ(run.Output("HandRec", "2006_10_220A.htm").find("class=dd"), std::string::npos);
}

}  // namespace
}  // namespace tallowen
