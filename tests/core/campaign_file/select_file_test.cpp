// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_file/select_file.h"
#include "support/scripted_prompts.h"

namespace xal {
namespace {

TEST(SelectFile, ASavedNameWithoutAnEndingGetsTheKindsEnding) {
    const struct {
        PickerMode mode;
        const char* title;
        const char* chosen;
        const char* path;  // what SelectFile returns
        const char* name;  // and hands back as the bare name
    } cases[] = {
        {PickerMode::Save, "Save campaign file", "/c.d/camp12", "/c.d/camp12.cam", "camp12.cam"},
        {PickerMode::Save, "Save campaign file", "/c/SECOND.CAM", "/c/SECOND.CAM", "SECOND.CAM"},
        {PickerMode::Save, "Save campaign file", "/c/camp.v2", "/c/camp.v2", "camp.v2"},
        {PickerMode::Open, "Open campaign file", "/c/camp12", "/c/camp12", "camp12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        test::ScriptedPrompts prompts;
        prompts.ExpectFilePick(c.title, std::string(c.chosen));
        std::string name = "start";
        EXPECT_EQ(SelectFile(name, FileKind::Campaign, c.mode, "/c/"), c.path);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(prompts.FilePicks().at(0).initialFolder, "/c/");
    }
}

}  // namespace
}  // namespace xal
