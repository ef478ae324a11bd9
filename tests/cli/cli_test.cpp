#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

#include "campaign_file/campaign_reader.h"
#include "campaign_file/campaign_writer.h"
#include "support/campaign_fixtures.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Runs xal-cam with the given arguments (already quoted for the shell) in the folder,
// after the shell commands or environment assignments given, its standard output going
// to the file given or else read back.
Outcome RunTool(const test::TempFolder& folder, const std::string& arguments,
                const std::string& environment = {}, const std::string& standardOutput = {}) {
    const std::string out = standardOutput.empty() ? folder.File("stdout.txt") : standardOutput;
    const std::string err = folder.File("stderr.txt");
    const std::string command = std::string("cd '") + folder.Path().string() + "' && " +
                                environment + "'" + XAL_CAM_PATH + "' " + arguments + " >'" + out +
                                "' 2>'" + err + "'";
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1,
            standardOutput.empty() ? folder.Read("stdout.txt") : std::string(),
            folder.Read("stderr.txt")};
}

// A campaign whose texts use the code page's upper half, including the five bytes it
// leaves undefined, and fill their fields, with the largest prestige.
Campaign HighByteCampaign() {
    Campaign campaign = test::DistinctCampaign(3);
    campaign.SetCampaignTXT("\x80\x81\x8d\x8f\x90\x9d\xff.txt");
    campaign.SetVictoryMOV("\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9.mov");
    campaign.SetPrestige(65535);
    campaign.Scenarios()->Item(2)->SetScenarioName("\xe9t\xe9 \xa0\x9f.scn");
    return campaign;
}

TEST(XalCam, DumpPrintsTheCampaignAndBuildGivesTheSameBytesBack) {
    test::TempFolder folder;
    const std::string original = BuildCampaignFile(HighByteCampaign());
    folder.Write("camp1.cam", original);

    Outcome dump = RunTool(folder, "dump camp1.cam");
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.err, "");
    auto json = nlohmann::ordered_json::parse(dump.out);
    EXPECT_EQ(json["CampaignName"], "camp1");
    EXPECT_EQ(json["CampaignTXT"], "\u20ac\u0081\u008d\u008f\u0090\u009d\u00ff.txt");
    ASSERT_EQ(json["Scenarios"].size(), 3u);
    EXPECT_EQ(json["Scenarios"][1]["ScenarioName"], "\u00e9t\u00e9 \u00a0\u0178.scn");
    EXPECT_EQ(json["Scenarios"][1]["ScenarioNr"], 1);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json["Scenarios"][0]["Victories"][0].items())
        keys.push_back(key);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"OnEndGoTo", "Prestige", "VictoryTXT", "VictoryMOV"}));

    folder.Write("camp1.json", dump.out);
    Outcome build = RunTool(folder, "build camp1.json -o again.cam");
    ASSERT_EQ(build.status, 0) << build.err;
    EXPECT_EQ(folder.Read("again.cam"), original);
}

TEST(XalCam, PathsInAnyScriptAreUsedAsGivenAndDumpedAsTheyAreSpelled) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.Path() / "Été Größe");
    folder.Write("Été Größe/Übung.cam", BuildCampaignFile(test::DistinctCampaign(2)));
    Outcome dump = RunTool(folder, "dump 'Été Größe/Übung.cam'");
    ASSERT_EQ(dump.status, 0) << dump.err;
    auto json = nlohmann::json::parse(dump.out);
    EXPECT_EQ(json["CampaignName"], "Übung");
    EXPECT_EQ(json["CampaignFolder"], "Été Größe/");

    folder.Write("кампания.json", dump.out);
    Outcome build = RunTool(folder, "build кампания.json -o 'Кампания.cam'");
    ASSERT_EQ(build.status, 0) << build.err;
    EXPECT_EQ(folder.Read("Кампания.cam"), folder.Read("Été Größe/Übung.cam"));
}

TEST(XalCam, AFileThatIsNotThereFailsAndIsNotCreated) {
    test::TempFolder folder;
    Outcome dump = RunTool(folder, "dump missing.cam");
    EXPECT_EQ(dump.status, 1);
    EXPECT_EQ(dump.out, "");
    EXPECT_EQ(dump.err, "error 53: File not found (missing.cam)\n");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing.cam"));

    Outcome build = RunTool(folder, "build missing.json -o out.cam");
    EXPECT_EQ(build.status, 1);
    EXPECT_EQ(build.err, "error 53: File not found (missing.json)\n");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "out.cam"));
}

TEST(XalCam, ReportWritesTheSummaryBesideTheCampaignWithTheConfiguredCountryNames) {
    test::TempFolder folder;
    Campaign campaign = test::DistinctCampaign(2);
    campaign.SetCountry(2);
    folder.Write("camp1.cam", BuildCampaignFile(campaign));
    const std::string unconfigured = "XDG_CONFIG_HOME='" + folder.File("none") + "' ";
    Outcome written = RunTool(folder, "report camp1.cam", unconfigured);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "camp1_REPORT.txt\n");
    const std::string unnamed = folder.Read("camp1_REPORT.txt");
    EXPECT_NE(unnamed.find("        Country:\t (2)\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "none")) << "reading writes no settings";

    // The settings name a game folder whose country list names country 2.
    std::filesystem::create_directories(folder.Path() / "config/xal-campaign-edit");
    std::string lands;
    for (int k = 1; k <= 20; ++k) lands += "Land " + std::to_string(k) + "\r\n";
    folder.Write("GUI97.txt", lands);
    folder.Write("config/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg",
                 "WINE REGISTRY Version 2\n\n[Software\\\\XaL Campaign Editor]\n\"XaL Path\"=\"" +
                     folder.File("") + "\"\n");
    const std::string configured = "XDG_CONFIG_HOME='" + folder.File("config") + "' ";
    Outcome named = RunTool(folder, "report --stdout camp1.cam", configured);
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_NE(named.out.find("        Country:\tLand 2 (2)\r\n"), std::string::npos);
    EXPECT_EQ(folder.Read("camp1_REPORT.txt"), unnamed) << "--stdout writes no file";

    campaign.ScenarioAt(1)->Victories()->Item(3)->SetOnEndGoTo(7);
    folder.Write("bad.cam", BuildCampaignFile(campaign));
    Outcome bad = RunTool(folder, "report bad.cam");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "error 9: Subscript out of range (bad.cam)\n");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "bad_REPORT.txt"));
}

TEST(XalCam, CheckPrintsTheFindingsAndFailsOnlyOnAnError) {
    test::TempFolder folder;
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 1, 1, 1}, {254, 254, 254, 254}});
    folder.Write("sound.cam", BuildCampaignFile(campaign));
    Outcome sound = RunTool(folder, "check sound.cam");
    EXPECT_EQ(sound.status, 0) << sound.err;
    EXPECT_EQ(sound.out, "");

    test::SetLinks(campaign, {{1, 1, 1, 1}, {1, 1, 1, 1}});
    folder.Write("loop.cam", BuildCampaignFile(campaign));
    Outcome loop = RunTool(folder, "check loop.cam");
    EXPECT_EQ(loop.status, 0) << "warnings only";
    EXPECT_EQ(loop.out,
              "warning: From scenario 0 (camp10.scn) no path leads to the end of the campaign.\n"
              "warning: From scenario 1 (camp11.scn) no path leads to the end of the campaign.\n");

    test::SetLinks(campaign, {{1, 1, 1, 2}, {254, 254, 254, 254}});
    folder.Write("dangling.cam", BuildCampaignFile(campaign));
    Outcome dangling = RunTool(folder, "check dangling.cam");
    EXPECT_EQ(dangling.status, 1);
    EXPECT_EQ(dangling.out,
              "error: Scenario 0 (camp10.scn), loss: goes to scenario 2, which does not exist.\n");

    EXPECT_EQ(RunTool(folder, "check missing.cam").status, 1);
}

TEST(XalCam, ReaderFailuresCarryTheirNumbers) {
    test::TempFolder folder;
    folder.Write("none.cam", std::string(kCampaignFileSize, '\0'));
    folder.Write("short.cam", BuildCampaignFile(test::DistinctCampaign(2)).substr(0, 700));
    EXPECT_EQ(RunTool(folder, "dump none.cam").err, "error 6: Overflow (none.cam)\n");
    Outcome cut = RunTool(folder, "dump short.cam");
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.out, "");
    EXPECT_EQ(cut.err, "error 5: Invalid procedure call or argument (short.cam)\n");
}

// Dumps a small campaign, lets `change` spoil its JSON and builds it over an existing file.
Outcome BuildChanged(const test::TempFolder& folder,
                     const std::function<void(nlohmann::json&)>& change) {
    folder.Write("in.cam", BuildCampaignFile(test::DistinctCampaign(2)));
    auto json = nlohmann::json::parse(RunTool(folder, "dump in.cam").out);
    change(json);
    folder.Write("in.json", json.dump());
    folder.Write("old.cam", "the last good file");
    Outcome build = RunTool(folder, "build in.json -o old.cam");
    EXPECT_EQ(folder.Read("old.cam"), "the last good file") << "nothing is written on a failure";
    return build;
}

TEST(XalCam, BuildRefusesWhatACampaignFileCannotHoldNamingTheField) {
    test::TempFolder folder;
    struct Case {
        std::function<void(nlohmann::json&)> change;
        std::string line;
    };
    const std::vector<Case> cases = {
        {[](auto& j) { j.erase("Country"); }, "error 5: Country: missing"},
        {[](auto& j) { j = nlohmann::json::array(); }, "error 13: the campaign: not an object"},
        {[](auto& j) { j["Scenarios"] = nlohmann::json::object(); },
         "error 13: Scenarios: not a list"},
        {[](auto& j) { j["Prestige"] = "many"; }, "error 13: Prestige: not a whole number"},
        {[](auto& j) { j["Scenarios"][0]["ScenarioName"] = 5; },
         "error 13: Scenarios[0].ScenarioName: not a text"},
        {[](auto& j) { j["Scenarios"][1]["Victories"][3]["Prestige"] = 65536; },
         "error 6: Scenarios[1].Victories[3].Prestige: 65536 is more than a campaign file "
         "holds (0 to 65535)"},
        {[](auto& j) { j["Prestige"] = -1; },
         "error 6: Prestige: -1 is less than a campaign file holds (0 to 65535)"},
        {[](auto& j) { j["Country"] = 18446744073709551615u; },
         "error 6: Country: 18446744073709551615 is more than a campaign file holds (0 to 255)"},
        {[](auto& j) { j["NrOfScenarios"] = 0; },
         "error 6: NrOfScenarios: 0 is less than a campaign file holds (1 to 50)"},
        {[](auto& j) { j["NrOfScenarios"] = 51; },
         "error 6: NrOfScenarios: 51 is more than a campaign file holds (1 to 50)"},
        {[](auto& j) { j["NrOfScenarios"] = 1; },
         "error 5: Scenarios: lists 2, but NrOfScenarios is 1"},
        {[](auto& j) { j["Scenarios"][0]["Victories"].erase(3); },
         "error 5: Scenarios[0].Victories: lists 3, but a scenario has 4"},
        {[](auto& j) { j["Scenarios"][1]["ScenarioNr"] = 0; },
         "error 5: Scenarios[1].ScenarioNr: 0, but its place in Scenarios is 1"},
        {[](auto& j) { j["Scenarios"][0]["NrOfUnits"] = 149; },
         "error 5: Scenarios[0].NrOfUnits: 149, but a campaign file always holds 150"},
        {[](auto& j) { j["Scenarios"][1]["Victories"][2]["VictoryTXT"] = "\u03a9.txt"; },
         "error 5: Scenarios[1].Victories[2].VictoryTXT: holds a character Windows-1252 "
         "cannot hold"},
        {[](auto& j) {
             j["CampaignTXT"] =
                 "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
                 "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9.txt";
         },
         "error 5: CampaignTXT: 21 characters, more than a campaign file holds (20)"},
        {[](auto& j) { j["DefeatMOV"] = std::string("a\0b.mov", 7); },
         "error 5: DefeatMOV: holds a NUL character, which ends a text"},
    };
    for (const Case& c : cases) {
        Outcome build = BuildChanged(folder, c.change);
        EXPECT_EQ(build.status, 1) << c.line;
        EXPECT_EQ(build.err, c.line + " (in.json)\n");
    }
    folder.Write("in.json", "{ not json");
    Outcome garbage = RunTool(folder, "build in.json -o old.cam");
    EXPECT_EQ(garbage.status, 1);
    EXPECT_EQ(garbage.err.rfind("error 13: not JSON: parse error at line 1, column 4", 0), 0u)
        << garbage.err;
}

TEST(XalCam, BuildLeavesNoPartOfAFileItCannotWrite) {
    test::TempFolder folder;
    folder.Write("in.cam", BuildCampaignFile(test::DistinctCampaign(2)));
    const std::string dumped = RunTool(folder, "dump in.cam").out;
    folder.Write("in.json", dumped);
    std::filesystem::create_symlink("in.json", folder.Path() / "link.json");
    for (const std::string output : {"in.json", "./in.json", "link.json"}) {
        Outcome over = RunTool(folder, "build in.json -o " + output);
        EXPECT_EQ(over.status, 1) << output;
        EXPECT_EQ(over.err,
                  "error 5: The output would replace the JSON it is built from (" + output + ")\n");
    }
    EXPECT_EQ(folder.Read("in.json"), dumped);

    folder.Write("old.cam", "the last good file");
    const std::size_t entries = folder.Entries();
    Outcome limited = RunTool(folder, "build in.json -o old.cam", "ulimit -f 10; ");
    EXPECT_EQ(limited.status, 1);
    EXPECT_EQ(limited.err, "error 61: Disk full (old.cam)\n");
    EXPECT_EQ(folder.Read("old.cam"), "the last good file");
    EXPECT_EQ(folder.Entries(), entries) << "no temporary file is left";

    std::filesystem::create_directory(folder.Path() / "taken.cam");
    Outcome folderInTheWay = RunTool(folder, "build in.json -o taken.cam");
    EXPECT_EQ(folderInTheWay.status, 1);
    EXPECT_EQ(folderInTheWay.err.rfind("error 75: ", 0), 0u) << folderInTheWay.err;
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "taken.cam"));
    Outcome noFolder = RunTool(folder, "build in.json -o no/such/out.cam");
    EXPECT_EQ(noFolder.err, "error 76: Path not found (no/such/out.cam)\n");
}

TEST(XalCam, OutputThatDoesNotReachStandardOutputFails) {
    test::TempFolder folder;
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 1, 1, 1}, {1, 1, 1, 1}});  // warnings only
    folder.Write("c.cam", BuildCampaignFile(campaign));
    const std::string unconfigured = "XDG_CONFIG_HOME='" + folder.File("none") + "' ";
    for (const std::string arguments :
         {"dump c.cam", "report --stdout c.cam", "report c.cam", "check c.cam", "--version"}) {
        Outcome full = RunTool(folder, arguments, unconfigured, "/dev/full");
        EXPECT_EQ(full.status, 1) << arguments;
        EXPECT_EQ(full.err, "error 61: Disk full (standard output)\n") << arguments;
    }
}

TEST(XalCam, TheDemoCampaignIsBuiltFromItsJson) {
    test::TempFolder folder;
    const std::string examples = std::string(XAL_SOURCE_DIR) + "/examples/";
    Outcome build = RunTool(folder, "build '" + examples + "demo_campaign.json' -o demo.cam");
    ASSERT_EQ(build.status, 0) << build.err;
    std::ifstream committed(examples + "game/scenario/Demo.cam", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(committed)),
                      std::istreambuf_iterator<char>());
    EXPECT_EQ(folder.Read("demo.cam"), bytes);
}

TEST(XalCam, UsageErrorsExitWithTwo) {
    test::TempFolder folder;
    for (const char* arguments : {"", "unpack x.cam", "build x.json", "dump"})
        EXPECT_EQ(RunTool(folder, arguments).status, 2) << arguments;
    Outcome version = RunTool(folder, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("xal-cam 1.", 0), 0u) << version.out;
}

}  // namespace
}  // namespace xal
