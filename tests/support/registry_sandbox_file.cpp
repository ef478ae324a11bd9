// SPDX-License-Identifier: MIT
#ifndef _WIN32
#include "core/registry/registry_file_store.h"
#include "support/registry_sandbox.h"

namespace xal::test {

RegistrySandbox::RegistrySandbox() {
    platform::SetRegistryStorePath(StorePath());
    platform::TakeSettingsNotice();  // what earlier tests' stores left to tell
}

RegistrySandbox::~RegistrySandbox() {
    platform::SetRegistryStorePath(folder_.File("unused.reg"));
}

void RegistrySandbox::Plant(const std::string& key, const std::string& name, std::uint32_t type,
                            const std::string& data) {
    platform::ActiveRegistryStore().Change([&](platform::RegFile& file) {
        file.EnsureKey(key).values.push_back({name, type, data});
    });
}

std::optional<platform::RegFileValue> RegistrySandbox::Stored(const std::string& key,
                                                              const std::string& name) {
    const auto file = platform::ActiveRegistryStore().Read();
    const platform::RegFileKey* found = file->FindKey(key);
    const platform::RegFileValue* value = found ? found->FindValue(name) : nullptr;
    return value ? std::optional(*value) : std::nullopt;
}

bool RegistrySandbox::KeyExists(const std::string& key) {
    return platform::ActiveRegistryStore().Read()->KeyExists(key);
}

std::vector<std::string> RegistrySandbox::ValueNames(const std::string& key) {
    const auto file = platform::ActiveRegistryStore().Read();
    std::vector<std::string> names;
    if (const platform::RegFileKey* found = file->FindKey(key))
        for (const auto& value : found->values) names.push_back(value.name);
    return names;
}

}  // namespace xal::test
#endif
