#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/reg_file_format.h"
#include "support/temp_folder.h"

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
    EXPECT_EQ(ValueOf(file, app, "HexAfter").data, std::string("éa€b\0", 8))
        << "escapes of Windows-1252 characters read as the same characters";
    EXPECT_EQ(ValueOf(file, app, "Tricky").data,
              std::string("say \"hi\" back\\slash é € end\0", 31));
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
    std::string everyCharacter;
    for (int c = 1; c < 128; ++c) everyCharacter += static_cast<char>(c);
    everyCharacter += "é€Кампания戦役😀\U0010FFFF";
    ours.values.push_back({"Every character", RegType::Sz, everyCharacter + '\0'});
    ours.values.push_back({"Odd type", 0x42, "\x01\x02"});

    std::string text = FormatRegFile(file);
    RegFile again = Parsed(text);
    ASSERT_EQ(again.Keys().size(), file.Keys().size());
    for (std::size_t k = 0; k < file.Keys().size(); ++k) {
        const RegFileKey& key = file.Keys()[k];
        EXPECT_EQ(again.Keys()[k].path, key.path);
        ASSERT_EQ(again.Keys()[k].values.size(), key.values.size()) << key.path;
        for (std::size_t v = 0; v < key.values.size(); ++v) {
            EXPECT_EQ(again.Keys()[k].values[v].type, key.values[v].type);
            EXPECT_EQ(again.Keys()[k].values[v].data, key.values[v].data) << key.values[v].name;
        }
    }
    EXPECT_NE(text.find("[Software\\\\XaL Campaign Editor]\n"), std::string::npos);
    EXPECT_NE(text.find("\"No terminator\"=hex(1):61,00,62,00,63,00\n"), std::string::npos);
    EXPECT_NE(text.find("\"Count\"=dword:000003e8\n"), std::string::npos);
    EXPECT_TRUE(text.starts_with("WINE REGISTRY Version 2\n"));
}

TEST(RegFileFormat, StrayCarriageReturnsBeforeALineFeedAreLineEnds) {
    const RegFile file =
        Parsed("WINE REGISTRY Version 2\r\n#arch=win32\r\r\n[A]\r\r\n@=\"x\"\r\r\n");
    const std::string text = FormatRegFile(file);
    EXPECT_EQ(FormatRegFile(Parsed(text)), text);
    EXPECT_NE(text.find("#arch=win32\n"), std::string::npos) << text;
}

TEST(RegFileFormat, TextsKeyPathsAndNamesAreUtf8InTheProgram) {
    // A text in the program, and as Wine's file holds it: UTF-16 code units in escapes.
    const std::pair<std::string, std::string> forms[] = {
        {"/home/Jürgen/Кампания/",
         "/home/J\\xfcrgen/\\x41a\\x430\\x43c\\x43f\\x430\\x43d\\x438\\x44f/"},
        {"C:\\Games\\戦役\\", "C:\\\\Games\\\\\\x6226\\x5f79\\\\"},
        {"Caf\xc3\xa9"
         "1",
         "Caf\\x00e91"},  // a hex digit follows
        {"😀", "\\xd83d\\xde00"}};
    for (const auto& [utf8, escaped] : forms) {
        RegFile file;
        const std::string key = "Software\\" + utf8;
        RegFileKey& written = file.EnsureKey(key);
        written.values.push_back({utf8, RegType::Sz, utf8 + '\0'});
        written.values.push_back({"Expand", RegType::ExpandSz, utf8 + '\0'});
        written.values.push_back({"Multi", RegType::MultiSz, utf8 + std::string(2, '\0')});
        written.values.push_back({"Hex", RegType::Sz, utf8});
        const std::string text = FormatRegFile(file);
        EXPECT_NE(
            text.find("\n[Software\\\\" + escaped + "]\n\"" + escaped + "\"=\"" + escaped + "\"\n"),
            std::string::npos)
            << text;
        RegFile again = Parsed(text);
        RegFileKey* found = again.FindKey(key);
        ASSERT_NE(found, nullptr) << text;
        ASSERT_EQ(found->values.size(), 4u);
        EXPECT_EQ(found->values[0].name, utf8);
        for (std::size_t v = 0; v < 4; ++v)
            EXPECT_EQ(found->values[v].data, written.values[v].data);
    }
}

TEST(RegFileFormat, ReadsEveryFormOfAText) {
    RegFile file = Parsed(std::string(kHeaderLine) + "[K]\n" +
                          "\"Hex\"=hex(2):4a,00,fc,00,3d,d8,00,de,00,00\n"    // UTF-16LE, a pair
                          "\"Multi\"=hex(7):26,62,00,00,79,5f,00,00,00,00\n"  // "戦" and "役"
                          "\"Raw\"=\"J\xc3\xbcrgen\"\n"                       // UTF-8 as it stands
                          "\"Lone\"=\"a\\xd83d b\\xde00\"\n"                  // surrogates unpaired
                          "\"Str\"=str(2):\"%HOME%\\\\\\x41a\"\n");
    RegFileKey& key = *file.FindKey("k");
    EXPECT_EQ(key.FindValue("Hex")->data, std::string("Jü😀\0", 8));
    EXPECT_EQ(key.FindValue("Multi")->data, std::string("戦\0役\0\0", 9));
    EXPECT_EQ(key.FindValue("Raw")->data, std::string("Jürgen\0", 8));
    EXPECT_EQ(key.FindValue("Lone")->data, std::string("a\uFFFD b\uFFFD\0", 10));
    EXPECT_EQ(key.FindValue("Str")->data, std::string("%HOME%\\К\0", 10));
}

TEST(RegFileFormat, AByteOrderMarkIsAccepted) {
    const std::string body =
        std::string(kHeaderLine) + "[Software\\\\XaL]\r\n\"Path\"=\"C:\\\\J\\xfc\"\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : body) (utf16 += c) += '\0';
    for (const std::string& bytes : {"\xEF\xBB\xBF" + body, utf16}) {
        RegFile file = Parsed(bytes);
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
    RegFileKey* good = file->FindKey("Good");
    ASSERT_NE(good, nullptr);
    ASSERT_EQ(good->values.size(), 2u) << "a value after a key line it cannot read is no one's";
    EXPECT_EQ(good->values[1].name, "c");
    EXPECT_NE(file->FindKey("After")->FindValue("e"), nullptr);
    EXPECT_EQ(file->Keys().size(), 2u);
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
