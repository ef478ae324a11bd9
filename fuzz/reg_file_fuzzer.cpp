// SPDX-License-Identifier: MIT
// Feeds arbitrary text to the settings file parser; whatever it parses must format to a
// text that parses without a fault to the same contents, and formatting that again must
// give the same text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/registry/reg_file_format.h"

namespace {

using xal::platform::RegFile;

bool SameContents(const RegFile& a, const RegFile& b) {
    if (a.metaLines != b.metaLines || a.Keys().size() != b.Keys().size()) return false;
    for (std::size_t k = 0; k < a.Keys().size(); ++k) {
        const auto& x = a.Keys()[k];
        const auto& y = b.Keys()[k];
        if (x.path != y.path || x.values.size() != y.values.size()) return false;
        for (std::size_t v = 0; v < x.values.size(); ++v)
            if (x.values[v].name != y.values[v].name || x.values[v].type != y.values[v].type ||
                x.values[v].data != y.values[v].data)
                return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto parsed = xal::platform::ParseRegFile(input, nullptr);
    if (!parsed) return 0;
    const std::string formatted = xal::platform::FormatRegFile(*parsed);
    std::string fault;
    const auto again = xal::platform::ParseRegFile(formatted, &fault);
    if (!again || !fault.empty() || !SameContents(*parsed, *again)) std::abort();
    if (xal::platform::FormatRegFile(*again) != formatted) std::abort();
    return 0;
}
