// SPDX-License-Identifier: MIT
// The settings store at a size far beyond the editor's own: parsing and writing a file of
// 16,000 keys, a change to such a store, and a read of a store of the editor's size, as
// start-up makes some 35 of them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/reg_file_format.h"
#include "platform/registry_file_store.h"

namespace {

using xal::platform::RegFile;
namespace RegType = xal::platform::RegType;

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

// A store file in a folder of its own, removed at the end.
class StoreFile {
  public:
    explicit StoreFile(const std::string& text) {
        std::string folder = (std::filesystem::temp_directory_path() / "xal-bench-XXXXXX").string();
        if (!::mkdtemp(folder.data())) std::abort();
        folder_ = folder;
        store_.emplace(folder + "/HKEY_LOCAL_MACHINE.reg");
        store_->Change([&](RegFile& file) { file = *xal::platform::ParseRegFile(text, nullptr); });
    }
    ~StoreFile() { std::filesystem::remove_all(folder_); }
    const xal::platform::RegistryFileStore& Store() const { return *store_; }

  private:
    std::filesystem::path folder_;
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
            file.EnsureKey("Software\\XaL Campaign Editor")
                .values.assign({{"Count", RegType::Dword,
                                 std::string(reinterpret_cast<const char*>(&count), 4)}});
        });
    }
}
BENCHMARK(ChangeAStoreOfManyKeys)->Unit(benchmark::kMillisecond);

void ReadTheEditorsStore(benchmark::State& state) {
    RegFile file;
    auto& key = file.EnsureKey("Software\\XaL Campaign Editor");
    for (const char* name :
         {"XaL Path", "RH XaL Scenario Editor", "Scn File Separator", "Scn Info File Separator",
          "Scn Brilliant Victory File Separator", "Scn Victory File Separator",
          "Scn Tactical Victory File Separator", "Scn Loss File Separator"})
        key.values.push_back({name, RegType::Sz, std::string("/home/player/Games/Legion/\0", 27)});
    key.values.push_back({"Prestige Increment", RegType::Dword, std::string("\xe8\x03\0\0", 4)});
    const StoreFile store(xal::platform::FormatRegFile(file));
    for (auto _ : state) benchmark::DoNotOptimize(store.Store().Read());
}
BENCHMARK(ReadTheEditorsStore)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
