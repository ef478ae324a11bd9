// SPDX-License-Identifier: MIT
#include "core/campaign_file/select_file.h"

#include "core/base/error.h"
#include "core/platform/prompts.h"

namespace xal {
namespace {

struct KindText {
    const char* titleWord;
    const char* description;
    const char* pattern;
};

KindText TextOf(FileKind kind) {
    switch (kind) {
        case FileKind::Campaign:
            return {"campaign file", "Campaign (*.cam)", "*.cam"};
        case FileKind::Scenario:
            return {"scenario file", "Scenario (*.scn)", "*.scn"};
        case FileKind::Text:
            return {"text file", "Text file (*.txt)", "*.txt"};
        case FileKind::Movie:
            return {"movie file", "Movie (*.mov)", "*.mov"};
        case FileKind::Application:
            break;
    }
    return {"application", "Executable (*.exe)", "*.exe"};
}

const char* PrefixOf(PickerMode mode) {
    switch (mode) {
        case PickerMode::Open:
            return "Open ";
        case PickerMode::Select:
            return "Select ";
        case PickerMode::Save:
            break;
    }
    return "Save ";
}

}  // namespace

std::string SelectFile(std::string& fileName, FileKind kind, PickerMode mode,
                       const std::string& startFolder) {
    const KindText text = TextOf(kind);
    platform::FilePickRequest request;
    request.initialFolder = startFolder;
    request.initialFileName = fileName;
    request.title = std::string(PrefixOf(mode)) + text.titleWord;
    request.filterDescription = text.description;
    request.pattern = text.pattern;
    request.save = mode == PickerMode::Save;
    auto chosen = platform::PickFile(request);
    if (!chosen) Raise(ErrorNumber::FileDialogCancelled);
    if (mode == PickerMode::Save && chosen->fileTitle.find('.') == std::string::npos) {
        const std::string ending = std::string(text.pattern).substr(1);
        chosen->fileTitle += ending;
        chosen->fullPath += ending;
    }
    fileName = chosen->fileTitle;
    return chosen->fullPath;
}

}  // namespace xal
