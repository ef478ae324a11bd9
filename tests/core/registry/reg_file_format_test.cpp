// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/registry/reg_file_format.h"

namespace xal::platform {
namespace {

constexpr const char* kHeaderLine = "WINE REGISTRY Version 2\n";

RegFile Parsed(const std::string& text) {
    std::string why;
    auto file = ParseRegFile(text, &why);
    EXPECT_TRUE(file.has_value() && why.empty()) << why;
    return file.value_or(RegFile{});
}

RegFile WinePrefixRegistry() {
    std::ifstream in(std::string(XAL_FIXTURES) + "/wine-prefix/system.reg", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return Parsed(text.str());
}

// Every key and value, in order, as one list of texts.
std::vector<std::string> Flat(const RegFile& file) {
    std::vector<std::string> flat;
    for (const RegFileKey& key : file.Keys()) {
        flat.push_back("[" + key.path + "]");
        for (const RegFileValue& v : key.values)
            flat.push_back(v.name + "=" + std::to_string(v.type) + ":" + v.data);
    }
    return flat;
}

TEST(RegFileFormat, ReadsTheRegistryWineWrote) {
    RegFile file = WinePrefixRegistry();
    EXPECT_EQ(file.metaLines, std::vector<std::string>{"#arch=win64"});
    const RegFileValue* directory =
        file.FindKey("Software\\Wow6432Node\\Ostrand\\Xandor's Legion\\1.0")
            ->FindValue("Directory");
    EXPECT_EQ(directory->data, std::string("C:\\Games\\Legion\0", 16));

    struct Case {
        const char* name;
        std::uint32_t type;
        std::string data;
    };
    const Case cases[] = {
        {"", RegType::Sz, std::string("default value\0", 14)},
        {"Count", RegType::Dword, std::string("\xe8\x03\0\0", 4)},
        {"Blob", RegType::Binary, "\x01\x02\xff"},
        {"Expand", RegType::ExpandSz, std::string("%PATH%x\0", 8)},
        {"Multi", RegType::MultiSz, std::string("one\0two\0three\0\0", 15)},
        {"Empty", RegType::Sz, std::string("\0", 1)},
        {"HexAfter", RegType::Sz, std::string("éa€b\0", 8)},
        {"Tricky", RegType::Sz, std::string("say \"hi\" back\\slash é € end\0", 31)},
        {"Name \"quoted\" \\ back", RegType::Sz, std::string("x\0", 2)}};
    RegFileKey* app = file.FindKey("software\\test vendor\\test app\\1.0");  // without case
    ASSERT_NE(app, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RegFileValue* value = app->FindValue(c.name);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->type, c.type);
        EXPECT_EQ(value->data, c.data);
    }
    EXPECT_EQ(app->FindValue("LongBlob")->data.size(), 64u) << "continued lines";
    EXPECT_TRUE(file.KeyExists("Software\\Test Vendor"));
    EXPECT_FALSE(file.KeyExists("Software\\Test"));
}

// Texts, key paths and names are UTF-8 in the program; Wine's file holds them as UTF-16
// code units in escapes.
TEST(RegFileFormat, WritesWhatItReadsBackExactly) {
    RegFile file = WinePrefixRegistry();
    RegFileKey& ours = file.EnsureKey("Software\\XaL Campaign Editor");
    std::string everyCharacter;
    for (int c = 1; c < 128; ++c) everyCharacter += static_cast<char>(c);
    ours.values = {
        {"No terminator", RegType::Sz, "abc"},
        {"Embedded zero", RegType::Sz, std::string("ab\0cd\0", 6)},
        {"Size zero", RegType::Sz, ""},
        {"Every character", RegType::Sz, everyCharacter + "é€Кампания戦役😀\U0010FFFF" + '\0'},
        {"Odd type", 0x42, "\x01\x02"}};
    const std::pair<std::string, std::string> forms[] = {
        {"/home/Jürgen/Кампания/",
         "/home/J\\xfcrgen/\\x41a\\x430\\x43c\\x43f\\x430\\x43d\\x438\\x44f/"},
        {"C:\\Games\\戦役\\", "C:\\\\Games\\\\\\x6226\\x5f79\\\\"},
        {"Café1", "Caf\\x00e91"},  // a hex digit follows
        {"😀", "\\xd83d\\xde00"}};
    for (const auto& [utf8, escaped] : forms)
        file.EnsureKey("Software\\" + utf8).values.push_back({utf8, RegType::Sz, utf8 + '\0'});

    const std::string text = FormatRegFile(file);
    EXPECT_EQ(Flat(Parsed(text)), Flat(file));
    EXPECT_TRUE(text.starts_with(kHeaderLine));
    EXPECT_NE(text.find("\n[Software\\\\XaL Campaign Editor]\n\"No terminator\"=hex(1):61,00,62,"
                        "00,63,00\n"),
              std::string::npos);
    for (const auto& [utf8, escaped] : forms)
        EXPECT_NE(
            text.find("\n[Software\\\\" + escaped + "]\n\"" + escaped + "\"=\"" + escaped + "\"\n"),
            std::string::npos)
            << utf8;
}

TEST(RegFileFormat, ReadsEveryFormOfAText) {
    RegFile file = Parsed(std::string(kHeaderLine) + "[K]\n" +
                          "\"Hex\"=hex(2):4a,00,fc,00,3d,d8,00,de,00,00\n"    // UTF-16LE, a pair
                          "\"Multi\"=hex(7):26,62,00,00,79,5f,00,00,00,00\n"  // "戦" and "役"
                          "\"Raw\"=\"J\xc3\xbcrgen\"\n"                       // UTF-8 as it stands
                          "\"Lone\"=\"a\\xd83d b\\xde00\"\n"                  // surrogates unpaired
                          "\"Str\"=str(2):\"%HOME%\\\\\\x41a\"\n"
                          "\"Octal\"=\"\\0017\"\n");  // \001 and a digit
    RegFileKey& key = *file.FindKey("k");
    EXPECT_EQ(key.FindValue("Hex")->data, std::string("Jü😀\0", 8));
    EXPECT_EQ(key.FindValue("Multi")->data, std::string("戦\0役\0\0", 9));
    EXPECT_EQ(key.FindValue("Raw")->data, std::string("Jürgen\0", 8));
    EXPECT_EQ(key.FindValue("Lone")->data, std::string("a\uFFFD b\uFFFD\0", 10));
    EXPECT_EQ(key.FindValue("Str")->data, std::string("%HOME%\\К\0", 10));
    EXPECT_EQ(key.FindValue("Octal")->data, std::string("\x01"
                                                        "7\0",
                                                        3));
}

TEST(RegFileFormat, AByteOrderMarkAndStrayCarriageReturnsAreAccepted) {
    const std::string body =
        std::string(kHeaderLine) +
        "#arch=win32\r\r\n[Software\\\\XaL]\r\r\n\"Path\"=\"C:\\\\J\\xfc\"\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : body) (utf16 += c) += '\0';
    for (const std::string& bytes : {"\xEF\xBB\xBF" + body, utf16}) {
        RegFile file = Parsed(bytes);
        EXPECT_EQ(file.metaLines, std::vector<std::string>{"#arch=win32"});
        RegFileKey* key = file.FindKey("Software\\XaL");
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->FindValue("Path")->data, std::string("C:\\J\xc3\xbc\0", 7));
    }
}

TEST(RegFileFormat, KeepsWhatItCanReadOfADamagedText) {
    std::string why;
    auto file = ParseRegFile(std::string(kHeaderLine) +
                                 "[Good]\n\"a\"=\"1\"\n\"b\"=dword:12\n\"c\"=\"3\"\n"
                                 "[Cut\n\"d\"=\"4\"\nnonsense\n[After]\n\"e\"=\"5\"\n",
                             &why);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(why, "line 4: value data not understood") << "the first fault is told";
    ASSERT_EQ(file->Keys().size(), 2u);
    ASSERT_EQ(file->FindKey("Good")->values.size(), 2u) << "no value after an unread key line";
    EXPECT_EQ(file->FindKey("Good")->values[1].name, "c");
    EXPECT_NE(file->FindKey("After")->FindValue("e"), nullptr);
}

// In a key of few values and in one of many, which is read through an index of names.
TEST(RegFileFormat, AValueNamedAgainReplacesTheFirstInItsPlace) {
    for (const int count : {2, 40}) {
        std::string text = std::string(kHeaderLine) + "[K]\n";
        std::vector<std::string> expected{"[K]"};
        for (int i = 0; i < count; ++i) {
            text += "\"V" + std::to_string(i) + "\"=\"first\"\n";
            expected.push_back("V" + std::to_string(i) + std::string("=1:first\0", 9));
        }
        const std::string again = "v" + std::to_string(count - 1);  // the last, in other case
        text += "[Other]\n\"" + again + "\"=\"other\"\n[k]\n\"" + again +
                "\"=\"again\"\n\"New\"=\"new\"\n";
        expected[count] = again + std::string("=1:again\0", 9);
        expected.push_back(std::string("New=1:new\0", 10));
        expected.push_back("[Other]");
        expected.push_back(again + std::string("=1:other\0", 9));
        EXPECT_EQ(Flat(Parsed(text)), expected) << count << " values";
    }
}

TEST(RegFileFormat, RefusesTextThatIsNotARegistryFile) {
    std::string why;
    EXPECT_FALSE(ParseRegFile("", &why));
    EXPECT_EQ(why, "line 1: missing header \"WINE REGISTRY Version 2\"");
    EXPECT_FALSE(ParseRegFile("hello\n", &why));
    EXPECT_FALSE(ParseRegFile("\xFF\xFE" + std::string(kHeaderLine), &why)) << "bytes, not UTF-16";
}

}  // namespace
}  // namespace xal::platform
