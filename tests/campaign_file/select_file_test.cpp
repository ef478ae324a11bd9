#include <gtest/gtest.h>

#include "campaign_file/select_file.h"
#include "support/scripted_prompts.h"

namespace xal {
namespace {

struct PickCase {
    PickerMode mode;
    FileKind kind;
    const char* chosen;
    const char* path;  // what SelectFile returns
    const char* name;  // and hands back as the bare name
};

TEST(SelectFile, ASavedNameWithoutAnEndingGetsTheKindsEnding) {
    const PickCase cases[] = {
        {PickerMode::Save, FileKind::Campaign, "/c/camp12", "/c/camp12.cam", "camp12.cam"},
        {PickerMode::Save, FileKind::Campaign, "/c.d/Кампания", "/c.d/Кампания.cam",
         "Кампания.cam"},
        {PickerMode::Save, FileKind::Campaign, "/c/SECOND.CAM", "/c/SECOND.CAM", "SECOND.CAM"},
        {PickerMode::Save, FileKind::Campaign, "/c/camp.v2", "/c/camp.v2", "camp.v2"},
        {PickerMode::Open, FileKind::Campaign, "/c/camp12", "/c/camp12", "camp12"},
        {PickerMode::Select, FileKind::Text, "/c/README", "/c/README", "README"},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.chosen);
        test::ScriptedPrompts prompts;
        const char* title = c.mode == PickerMode::Save   ? "Save campaign file"
                            : c.mode == PickerMode::Open ? "Open campaign file"
                                                         : "Select text file";
        prompts.ExpectFilePick(title, std::string(c.chosen));
        std::string name = "start";
        EXPECT_EQ(SelectFile(name, c.kind, c.mode), c.path);
        EXPECT_EQ(name, c.name);
    }
}

}  // namespace
}  // namespace xal
