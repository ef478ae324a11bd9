// SPDX-License-Identifier: MIT
// The settings store at a size far beyond the editor's own: parsing and writing a file of
// 16,000 keys, a change to such a store, and a read of a store of the editor's size, as
// start-up makes some 35 of them; and how reading a settings file or a Wine prefix's
// registry grows with the number of values in one key (1k to 64k: the time should grow
// as the size does, "BigO" close to N).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/platform/file_system.h"
#include "core/registry/reg_file_format.h"
#include "core/registry/registry_file_store.h"
#include "core/registry/wine_registry.h"
#include "core/settings/settings.h"

namespace {

using xal::platform::RegFile;
namespace RegType = xal::platform::RegType;
using namespace xal::settings_keys;

constexpr int kKeys = 16000;

// Keys in folders of a hundred, each with a text and every other one with a number too.
RegFile ManyKeys() {
    RegFile file;
    for (int i = 0; i < kKeys; ++i) {
        auto& key = file.EnsureKey("Software\\Vendor " + std::to_string(i / 100) + "\\Key " +
                                   std::to_string(i));
        key.values.push_back(
            {"Path", RegType::Sz, "C:\\Games\\Legion " + std::to_string(i) + '\0'});
        if (i % 2 == 0) key.values.push_back({"Count", RegType::Dword, std::string("\1\0\0\0", 4)});
    }
    return file;
}

// One key of a Wine prefix's registry, as Wine writes it, with a game folder and `count`
// values more.
std::string OneKeyOfManyValues(std::int64_t count) {
    std::string text =
        "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n"
        "\n[Software\\\\Ostrand\\\\Xandor's Legion\\\\1.0] 1796563534\n"
        "\"Directory\"=\"C:\\\\Games\\\\Legion\"\n";
    for (std::int64_t i = 0; i < count; ++i)
        text += "\"Value " + std::to_string(i) + "\"=\"C:\\\\Games\\\\Legion\\\\Text\"\n";
    return text;
}

// A folder of its own, removed at the end.
class BenchFolder {
  public:
    BenchFolder() {
        std::string folder = (std::filesystem::temp_directory_path() / "xal-bench-XXXXXX").string();
        if (!::mkdtemp(folder.data())) std::abort();
        path_ = folder;
    }
    ~BenchFolder() { std::filesystem::remove_all(path_); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A store file in a folder of its own, removed at the end.
class StoreFile {
  public:
    explicit StoreFile(const std::string& text) {
        store_.emplace((folder_.Path() / "HKEY_LOCAL_MACHINE.reg").string());
        store_->Change([&](RegFile& file) { file = *xal::platform::ParseRegFile(text, nullptr); });
    }
    const xal::platform::RegistryFileStore& Store() const { return *store_; }

  private:
    BenchFolder folder_;
    std::optional<xal::platform::RegistryFileStore> store_;
};

void ParseManyKeys(benchmark::State& state) {
    const std::string text = xal::platform::FormatRegFile(ManyKeys());
    for (auto _ : state) benchmark::DoNotOptimize(xal::platform::ParseRegFile(text, nullptr));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(ParseManyKeys)->Unit(benchmark::kMillisecond);

void FormatManyKeys(benchmark::State& state) {
    const RegFile file = ManyKeys();
    for (auto _ : state) benchmark::DoNotOptimize(xal::platform::FormatRegFile(file));
}
BENCHMARK(FormatManyKeys)->Unit(benchmark::kMillisecond);

void ChangeAStoreOfManyKeys(benchmark::State& state) {
    const StoreFile store(xal::platform::FormatRegFile(ManyKeys()));
    std::int32_t count = 0;
    for (auto _ : state) {
        ++count;
        store.Store().Change([&](RegFile& file) {
            file.EnsureKey(kSettingsKey)
                .values.assign({{"Count", RegType::Dword,
                                 std::string(reinterpret_cast<const char*>(&count), 4)}});
        });
    }
}
BENCHMARK(ChangeAStoreOfManyKeys)->Unit(benchmark::kMillisecond);

void ReadTheEditorsStore(benchmark::State& state) {
    RegFile file;
    auto& key = file.EnsureKey(kSettingsKey);
    const std::string folder("/home/player/Games/Legion/\0", 27);
    key.values.push_back({kGameFolder, RegType::Sz, folder});
    key.values.push_back({kScenarioEditor, RegType::Sz, folder});
    for (const xal::SeparatorSetting& separator : xal::kSeparatorSettings)
        key.values.push_back({separator.key, RegType::Sz, folder});
    key.values.push_back({kPrestigeIncrement, RegType::Dword, std::string("\xe8\x03\0\0", 4)});
    const StoreFile store(xal::platform::FormatRegFile(file));
    for (auto _ : state) benchmark::DoNotOptimize(store.Store().Read());
}
BENCHMARK(ReadTheEditorsStore)->Unit(benchmark::kMicrosecond);

// Reading a settings file whose one key holds state.range(0) values.
void ParseOneKeyOfManyValues(benchmark::State& state) {
    const std::string text = OneKeyOfManyValues(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(xal::platform::ParseRegFile(text, nullptr));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ParseOneKeyOfManyValues)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Finding the game's folder in a Wine prefix whose game key holds state.range(0) values.
void ReadTheGameKeyOfManyValues(benchmark::State& state) {
    const BenchFolder prefix;
    xal::platform::ReplaceFileContents((prefix.Path() / "system.reg").string(),
                                       OneKeyOfManyValues(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            xal::platform::WineMachineText(prefix.Path().string(), kGameKey, kGameDirectory));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadTheGameKeyOfManyValues)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
