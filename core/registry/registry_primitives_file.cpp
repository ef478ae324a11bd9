// SPDX-License-Identifier: MIT
#ifndef _WIN32
#include <cstring>
#include <map>
#include <memory>

#include "core/registry/registry_file_store.h"
#include "core/registry/registry_primitives.h"

// The registry primitives over the file store. A handle names a key path; outside an
// update the store is read again on every call, so another editor's writes are seen at once.
namespace xal::platform::registry {
namespace {

std::map<Handle, std::string>& OpenKeys() {
    static std::map<Handle, std::string> keys;
    return keys;
}

Handle NewHandle(const std::string& path) {
    static Handle next = 0x1000;
    OpenKeys()[++next] = path;
    return next;
}

const std::string* KeyPath(Handle key) {
    auto it = OpenKeys().find(key);
    return it == OpenKeys().end() ? nullptr : &it->second;
}

// "a\\b\" and "a\b" name the same key.
std::string NormalPath(const std::string& path) {
    std::string out;
    for (char c : path)
        if (c != '\\' || (!out.empty() && out.back() != '\\')) out += c;
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

}  // namespace

long CreateKey(std::uint32_t root, const std::string& path, std::uint32_t, Handle* key) {
    *key = 0;
    if (root != kLocalMachine) return kInvalidHandle;
    const std::string normal = NormalPath(path);
    ActiveRegistryStore().Update([&](RegFileDraft& draft) {
        if (!draft.Contents().KeyExists(normal)) draft.Edit().EnsureKey(normal);
    });
    *key = NewHandle(normal);
    return kSuccess;
}

long OpenKey(std::uint32_t root, const std::string& path, std::uint32_t, Handle* key) {
    *key = 0;
    if (root != kLocalMachine) return kInvalidHandle;
    const std::string normal = NormalPath(path);
    if (!ActiveRegistryStore().Read()->KeyExists(normal)) return kFileNotFound;
    *key = NewHandle(normal);
    return kSuccess;
}

long QueryValue(Handle key, const std::string& name, std::uint32_t* type, unsigned char* data,
                std::uint32_t* size) {
    const std::string* path = KeyPath(key);
    if (!path) return kInvalidHandle;
    const std::shared_ptr<const RegFile> file = ActiveRegistryStore().Read();
    const RegFileKey* found = file->FindKey(*path);
    const RegFileValue* value = found ? found->FindValue(name) : nullptr;
    if (!value) return kFileNotFound;
    if (type) *type = value->type;
    const auto needed = static_cast<std::uint32_t>(value->data.size());
    if (data) {
        if (!size || *size < needed) {
            if (size) *size = needed;
            return kMoreData;
        }
        std::memcpy(data, value->data.data(), needed);
    }
    if (size) *size = needed;
    return kSuccess;
}

long SetValue(Handle key, const std::string& name, std::uint32_t type, const unsigned char* data,
              std::uint32_t size) {
    const std::string* path = KeyPath(key);
    if (!path) return kInvalidHandle;
    RegFileValue value{
        name, type, data ? std::string(reinterpret_cast<const char*>(data), size) : std::string()};
    ActiveRegistryStore().Update([&](RegFileDraft& draft) {
        const RegFileKey* stored = draft.Contents().FindKey(*path);
        const RegFileValue* same = stored ? stored->FindValue(name) : nullptr;
        if (same && *same == value) return;  // the store stays as it is, and is not copied
        RegFileKey& target = draft.Edit().EnsureKey(*path);
        if (RegFileValue* existing = target.FindValue(name)) {
            *existing = std::move(value);
        } else {
            target.values.push_back(std::move(value));
        }
    });
    return kSuccess;
}

long CloseKey(Handle key) {
    return OpenKeys().erase(key) ? kSuccess : kInvalidHandle;
}

void RunUpdate(const std::function<void()>& body) {
    ActiveRegistryStore().Update([&](RegFileDraft&) { body(); });
}

bool InUpdate() {
    return ActiveRegistryStore().InUpdate();
}

}  // namespace xal::platform::registry
#endif
