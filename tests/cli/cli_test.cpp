// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

#include "core/campaign_file/campaign_writer.h"
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
                const std::string& environment = {}, const std::string& out = "stdout.txt") {
    const std::string command = "cd '" + folder.Path().string() + "' && " + environment + "'" +
                                XAL_CAM_PATH + "' " + arguments + " >'" + out + "' 2>stderr.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1,
            out == "stdout.txt" ? folder.Read(out) : std::string(), folder.Read("stderr.txt")};
}

// Texts of the code page's upper half, its five undefined bytes too, filling their fields.
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
    auto json = nlohmann::ordered_json::parse(dump.out);
    EXPECT_EQ(json["CampaignTXT"], "\u20ac\u0081\u008d\u008f\u0090\u009d\u00ff.txt");
    EXPECT_EQ(json["Scenarios"][1]["ScenarioName"], "\u00e9t\u00e9 \u00a0\u0178.scn");
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

// Names are used byte for byte: in JSON, UTF-8 shows as it is spelled and what is not
// UTF-8 as replacement characters.
TEST(XalCam, PathsReachTheirFilesAsGivenAndShowInJsonAsTheyAreSpelled) {
    test::TempFolder folder;
    const std::string in = "Été fold\xe9r/";
    folder.Write(in + "Ü\xff.cam", BuildCampaignFile(test::DistinctCampaign(2)));
    Outcome dump = RunTool(folder, "dump '" + in + "Ü\xff.cam'");
    ASSERT_EQ(dump.status, 0) << dump.err;
    const auto json = nlohmann::json::parse(dump.out);
    EXPECT_EQ(json["CampaignName"], "Ü\ufffd");
    EXPECT_EQ(json["CampaignFolder"], "Été fold\ufffdr/");
    folder.Write(in + "кампания.json", dump.out);
    const std::string built = "'" + in + "Кампания.cam'";
    for (const std::string& command :
         {"build '" + in + "кампания.json' -o " + built, "check " + built, "report " + built})
        EXPECT_EQ(RunTool(folder, command).status, 0) << command;
}

TEST(XalCam, AFileThatIsNotThereFailsAndIsNotCreated) {
    test::TempFolder folder;
    EXPECT_EQ(RunTool(folder, "dump missing.cam").err, "error 53: File not found (missing.cam)\n");
    EXPECT_EQ(RunTool(folder, "build missing.json -o out.cam").status, 1);
    EXPECT_EQ(folder.Names().size(), 2u) << "only the tool's output files";
}

TEST(XalCam, ReportWritesTheSummaryBesideTheCampaignWithTheConfiguredCountryNames) {
    test::TempFolder folder;
    Campaign campaign = test::DistinctCampaign(2);
    campaign.SetCountry(20);
    folder.Write("camp1.cam", BuildCampaignFile(campaign));
    // The settings name a game folder whose country list names country 20, the last.
    std::string lands;
    for (int k = 1; k <= 20; ++k) lands += "Land " + std::to_string(k) + "\r\n";
    folder.Write("GUI97.txt", lands);
    folder.Write("config/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg",
                 "WINE REGISTRY Version 2\n\n[Software\\\\XaL Campaign Editor]\n\"XaL Path\"=\"" +
                     folder.File("") + "\"\n");
    const std::string settings = "XDG_CONFIG_HOME='" + folder.File("config") + "' ";
    Outcome written = RunTool(folder, "report camp1.cam", settings);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "camp1_REPORT.txt\n");
    const std::string report = folder.Read("camp1_REPORT.txt");
    EXPECT_NE(report.find("        Country:\tLand 20 (20)\r\n"), std::string::npos) << report;
    EXPECT_EQ(RunTool(folder, "report --stdout camp1.cam", settings).out, report);
    // The failure names the report it could not write.
    Outcome full = RunTool(folder, "report camp1.cam", "ulimit -f 1; " + settings);
    EXPECT_EQ(full.err, "error 61: Disk full (camp1_REPORT.txt)\n");
    EXPECT_EQ(folder.Names().size(), 6u) << "--stdout writes no file, reading writes no settings";
}

TEST(XalCam, CheckPrintsTheFindingsWithTheGameGivenAndFailsOnlyOnAnError) {
    test::TempFolder folder;
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 1, 1, 1}, {1, 1, 1, 1}});
    folder.Write("loop.cam", BuildCampaignFile(campaign));
    Outcome loop = RunTool(folder, "check loop.cam");
    EXPECT_EQ(loop.status, 0) << "warnings only";
    EXPECT_EQ(loop.out.rfind("warning: From scenario 0 (camp10.scn) no path leads", 0), 0u);
    // With a game, the files it names are looked for, in the current folder ("") too.
    EXPECT_NE(RunTool(folder, "check --game . loop.cam")
                  .out.find("warning: Scenario 0 (camp10.scn): its scenario file \"camp10.scn\" "
                            "is not in the campaign's folder.\n"),
              std::string::npos);
    test::SetLinks(campaign, {{1, 1, 1, 2}, {254, 254, 254, 254}});
    folder.Write("dangling.cam", BuildCampaignFile(campaign));
    Outcome dangling = RunTool(folder, "check dangling.cam");
    EXPECT_EQ(dangling.status, 1);
    EXPECT_EQ(dangling.out,
              "error: Scenario 0 (camp10.scn), loss: goes to scenario 2, which does not exist.\n");
}

TEST(XalCam, BuildRefusesWhatACampaignFileCannotHoldNamingTheField) {
    test::TempFolder folder;
    const std::pair<std::function<void(nlohmann::json&)>, std::string> cases[] = {
        {[](auto& j) { j.erase("Country"); }, "error 5: Country: missing"},
        {[](auto& j) { j = nlohmann::json::array(); }, "error 13: the campaign: not an object"},
        {[](auto& j) { j["Scenarios"][1]["Victories"][3]["Prestige"] = "many"; },
         "error 13: Scenarios[1].Victories[3].Prestige: not a whole number"},
        {[](auto& j) { j["Country"] = 18446744073709551615u; },
         "error 6: Country: 18446744073709551615 is more than a campaign file holds (0 to 255)"},
        {[](auto& j) { j["NrOfScenarios"] = 0; },
         "error 6: NrOfScenarios: 0 is less than a campaign file holds (1 to 50)"},
        {[](auto& j) { j["NrOfScenarios"] = 1; },
         "error 5: Scenarios: lists 2, but NrOfScenarios is 1"},
        {[](auto& j) { j["Scenarios"][0]["Victories"].erase(3); },
         "error 5: Scenarios[0].Victories: lists 3, but a scenario has 4"},
        {[](auto& j) { j["Scenarios"][1]["ScenarioNr"] = 0; },
         "error 5: Scenarios[1].ScenarioNr: 0, but its place in Scenarios is 1"},
        {[](auto& j) { j["Scenarios"][0]["NrOfUnits"] = 149; },
         "error 5: Scenarios[0].NrOfUnits: 149, but a campaign file always holds 150"},
        {[](auto& j) { j["CampaignTXT"] = "\u03a9.txt"; },
         "error 5: CampaignTXT: holds a character Windows-1252 cannot hold"},
        {[](auto& j) { j["CampaignTXT"] = "ééééééééééééééééé.txt"; },
         "error 5: CampaignTXT: 21 characters, more than a campaign file holds (20)"},
        {[](auto& j) { j["DefeatMOV"] = std::string("a\0b.mov", 7); },
         "error 5: DefeatMOV: holds a NUL character, which ends a text"},
        {[](auto& j) { j["Scenarios"][0]["Victories"][0]["Prestige"] = nlohmann::json::array(); },
         "error 13: lists and objects nested more than 5 deep, deeper than in a campaign"},
        {[](auto& j) { j["Note"] = std::string(4 * 1024 * 1024, ' '); },
         "error 75: Path/File access error: the file is larger than 4194304 bytes"},
    };
    folder.Write("in.cam", BuildCampaignFile(test::DistinctCampaign(2)));
    const auto dumped = nlohmann::json::parse(RunTool(folder, "dump in.cam").out);
    folder.Write("old.cam", "the last good file");
    for (const auto& [change, line] : cases) {
        nlohmann::json json = dumped;
        change(json);
        folder.Write("in.json", json.dump());
        EXPECT_EQ(RunTool(folder, "build in.json -o old.cam").err, line + " (in.json)\n");
    }
    folder.Write("in.json", "{ not json");
    EXPECT_EQ(RunTool(folder, "build in.json -o old.cam")
                  .err.rfind("error 13: not JSON: parse error at line 1, column 4", 0),
              0u);
    EXPECT_EQ(folder.Read("old.cam"), "the last good file") << "nothing is written on a failure";
}

TEST(XalCam, BuildNeverReplacesItsInput) {
    test::TempFolder folder;
    folder.Write("in.cam", BuildCampaignFile(test::DistinctCampaign(2)));
    const std::string dumped = RunTool(folder, "dump in.cam").out;
    folder.Write("in.json", dumped);
    std::filesystem::create_symlink("in.json", folder.Path() / "link.json");
    for (const std::string output : {"in.json", "./in.json", "link.json"}) {
        Outcome over = RunTool(folder, "build in.json -o " + output);
        EXPECT_EQ(over.err,
                  "error 5: The output would replace the JSON it is built from (" + output + ")\n");
    }
    EXPECT_EQ(folder.Read("in.json"), dumped);
}

TEST(XalCam, OutputThatDoesNotReachStandardOutputFails) {
    test::TempFolder folder;
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 1, 1, 1}, {1, 1, 1, 1}});  // warnings only
    folder.Write("c.cam", BuildCampaignFile(campaign));
    for (const std::string arguments :
         {"dump c.cam", "report --stdout c.cam", "report c.cam", "check c.cam", "--version"}) {
        Outcome full = RunTool(folder, arguments, {}, "/dev/full");
        EXPECT_EQ(full.status, 1) << arguments;
        EXPECT_EQ(full.err, "error 61: Disk full (standard output)\n") << arguments;
    }
}

#ifdef XAL_CAM_MAP
TEST(XalCam, MapWritesThePictureOfACampaignInAFolderNamedInAnyBytes) {
    test::TempFolder folder;
    folder.Write("fold\xe9r/camp1.cam", BuildCampaignFile(test::DistinctCampaign(4)));
    EXPECT_EQ(RunTool(folder, "map 'fold\xe9r/camp1.cam' -o 'fold\xe9r/camp1.svg'").status, 0);
    EXPECT_NE(folder.Read("fold\xe9r/camp1.svg").find("<svg"), std::string::npos);
}
#endif

TEST(XalCam, TheDemoCampaignIsBuiltFromItsJson) {
    test::TempFolder folder;
    const std::string examples = std::string(XAL_SOURCE_DIR) + "/examples/";
    Outcome build = RunTool(folder, "build '" + examples + "demo_campaign.json' -o demo.cam");
    ASSERT_EQ(build.status, 0) << build.err;
    EXPECT_EQ(folder.Read("demo.cam"), folder.Read(examples + "game/scenario/Demo.cam"));
}

}  // namespace
}  // namespace xal
