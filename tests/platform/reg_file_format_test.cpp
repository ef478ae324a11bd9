#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/reg_file_format.h"
#include "support/temp_folder.h"

namespace xal::platform {
namespace {

RegFile WinePrefixRegistry() {
    std::ifstream in(std::string(XAL_FIXTURES) + "/wine-prefix/system.reg", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string why;
    auto file = ParseRegFile(text.str(), &why);
    EXPECT_TRUE(file.has_value()) << why;
    return file.value_or(RegFile{});
}

const RegFileValue& ValueOf(RegFile& file, const std::string& key, const std::string& name) {
    RegFileKey* found = file.FindKey(key);
    if (!found) throw std::runtime_error("no key " + key);
    RegFileValue* value = found->FindValue(name);
    if (!value) throw std::runtime_error("no value " + name);
    return *value;
}

TEST(RegFileFormat, ReadsTheRegistryWineWrote) {
    RegFile file = WinePrefixRegistry();
    EXPECT_EQ(file.metaLines, std::vector<std::string>{"#arch=win64"});

    auto& directory =
        ValueOf(file, "Software\\Wow6432Node\\Ostrand\\Xandor's Legion\\1.0", "Directory");
    EXPECT_EQ(directory.type, RegType::Sz);
    EXPECT_EQ(directory.data, std::string("C:\\Games\\Legion\0", 16));

    const std::string app = "software\\test vendor\\test app\\1.0";  // letters compare without case
    EXPECT_EQ(ValueOf(file, app, "").data, std::string("default value\0", 14));
    EXPECT_EQ(ValueOf(file, app, "Count").type, RegType::Dword);
    EXPECT_EQ(ValueOf(file, app, "Count").data, std::string("\xe8\x03\0\0", 4));
    EXPECT_EQ(ValueOf(file, app, "Blob").data, "\x01\x02\xff");
    EXPECT_EQ(ValueOf(file, app, "Big").type, 0xbu);
    EXPECT_EQ(ValueOf(file, app, "Big").data, std::string("\x89\x67\x45\x23\x01\0\0\0", 8));
    EXPECT_EQ(ValueOf(file, app, "Expand").type, RegType::ExpandSz);
    EXPECT_EQ(ValueOf(file, app, "Multi").data, std::string("one\0two\0three\0\0", 15));
    EXPECT_EQ(ValueOf(file, app, "Empty").data, std::string("\0", 1));
    EXPECT_EQ(ValueOf(file, app, "HexAfter").data, std::string("\xe9"
                                                               "a\x80"
                                                               "b\0",
                                                               5));
    EXPECT_EQ(ValueOf(file, app, "Tricky").data,
              std::string("say \"hi\" back\\slash \xe9 \x80 end\0", 28));
    EXPECT_EQ(ValueOf(file, app, "Name \"quoted\" \\ back").data, std::string("x\0", 2));
    EXPECT_EQ(ValueOf(file, app, "LongBlob").data.size(), 64u);
    EXPECT_EQ(ValueOf(file, app, "LongBlob").data[63], '\x3f');
    EXPECT_TRUE(file.KeyExists("Software\\Test Vendor"));
    EXPECT_FALSE(file.KeyExists("Software\\Test"));
}

TEST(RegFileFormat, WritesWhatItReadsBackExactly) {
    RegFile file = WinePrefixRegistry();
    RegFileKey& ours = file.EnsureKey("Software\\XaL Campaign Editor");
    ours.values.push_back({"No terminator", RegType::Sz, "abc"});
    ours.values.push_back({"Embedded zero", RegType::Sz, std::string("ab\0cd\0", 6)});
    ours.values.push_back({"Size zero", RegType::Sz, ""});
    std::string everyByte;
    for (int b = 1; b < 256; ++b) everyByte += static_cast<char>(b);
    ours.values.push_back({"Every byte", RegType::Sz, everyByte + '\0'});
    ours.values.push_back({"Odd type", 0x42, "\x01\x02"});

    std::string text = FormatRegFile(file);
    std::string why;
    auto again = ParseRegFile(text, &why);
    ASSERT_TRUE(again.has_value()) << why;
    ASSERT_EQ(again->keys.size(), file.keys.size());
    for (std::size_t k = 0; k < file.keys.size(); ++k) {
        EXPECT_EQ(again->keys[k].path, file.keys[k].path);
        ASSERT_EQ(again->keys[k].values.size(), file.keys[k].values.size()) << file.keys[k].path;
        for (std::size_t v = 0; v < file.keys[k].values.size(); ++v) {
            EXPECT_EQ(again->keys[k].values[v].type, file.keys[k].values[v].type);
            EXPECT_EQ(again->keys[k].values[v].data, file.keys[k].values[v].data)
                << file.keys[k].values[v].name;
        }
    }
    EXPECT_NE(text.find("[Software\\\\XaL Campaign Editor]\n"), std::string::npos);
    EXPECT_NE(text.find("\"No terminator\"=hex(1):61,00,62,00,63,00\n"), std::string::npos);
    EXPECT_NE(text.find("\"Count\"=dword:000003e8\n"), std::string::npos);
    EXPECT_TRUE(text.starts_with("WINE REGISTRY Version 2\n"));
}

TEST(RegFileFormat, RefusesTextThatIsNotARegistryFile) {
    std::string why;
    EXPECT_FALSE(ParseRegFile("", &why));
    EXPECT_FALSE(ParseRegFile("hello\n", &why));
    EXPECT_FALSE(ParseRegFile("WINE REGISTRY Version 2\n[Key]\n\"a\"=\"unterminated\n", &why));
    EXPECT_NE(why.find("line 3"), std::string::npos) << why;
    EXPECT_FALSE(ParseRegFile("WINE REGISTRY Version 2\n[Key]\n\"a\"=dword:12\n", &why));
    EXPECT_FALSE(ParseRegFile("WINE REGISTRY Version 2\n\"a\"=\"outside\"\n", &why));
}

}  // namespace
}  // namespace xal::platform
