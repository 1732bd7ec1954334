// One set of cases for every INI provider: the portable one everywhere, and on Windows the one
// over the system's profile functions too. Wine's profile functions are an implementation of
// their own; where Wine answers differently from Windows, a case carries Wine's answer, the
// Win32 provider is held to it under Wine, and the difference is named in the case.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/IniProfile.h"
#include "support/TempDir.h"
#include "support/Wine.h"

namespace lifeng {
namespace {

using test::TempDir;

struct Provider {
    const char* name;
    IniProfile& (*get)();
    bool overWindows;  // the thin layer over the system's profile functions
};

void PrintTo(const Provider& provider, std::ostream* out) { *out << provider.name; }

std::vector<Provider> Providers() {
    std::vector<Provider> providers{
        {"Portable", [] () -> IniProfile& { static PortableIniProfile p; return p; }, false}};
#ifdef _WIN32
    providers.push_back({"Win32", [] () -> IniProfile& { static Win32IniProfile p; return p; }, true});
#endif
    return providers;
}

class IniProfileTest : public ::testing::TestWithParam<Provider> {
protected:
    IniProfile& ini() { return GetParam().get(); }
    bool WineAnswers() const { return GetParam().overWindows && test::RunningUnderWine(); }

    // The answer this provider is held to: Wine's where it differs and this provider is Wine's.
    std::string Expected(const std::string& reference, const std::optional<std::string>& wine) const {
        return (wine && WineAnswers()) ? *wine : reference;
    }

    TempDir dir;
    const std::string file = dir.File("test.ini");
};

struct ReadCase {
    const char* name;
    const char* content;
    const char* section;
    const char* key;
    const char* defaultValue;
    const char* expected;
    const char* wine = nullptr;  // what Wine answers when it differs from the reference
};

const ReadCase kReadCases[] = {
    {"exact match", "[Setup]\r\nCustomItemValueNames3=攻击\r\n", "Setup", "CustomItemValueNames3", "", "攻击"},
    {"ASCII case ignored", "[SETUP]\r\ncustomitemvaluenames3=攻击\r\n", "Setup", "CustomItemValueNames3", "", "攻击"},
    {"GBK names match", "[软件设置]\r\n服务端路径=E:\\传奇\\\r\n", "软件设置", "服务端路径", "D:\\Mirserver\\", "E:\\传奇\\"},
    // Ｈ and ｈ differ only in a GBK trail byte (A3 C8, A3 E8): no case folding there.
    {"GBK bytes compare exactly", "[ｈ]\r\nk=v\r\n", "Ｈ", "k", "none", "none"},
    {"missing section", "[Other]\r\nk=v\r\n", "Setup", "k", "D:\\Mirserver\\", "D:\\Mirserver\\"},
    {"missing key", "[Setup]\r\nk=v\r\n", "Setup", "x", "", ""},
    {"blanks and quotes stripped", "[S]\r\nk =  \"  a b  \"  \r\n", "S", "k", "", "  a b  "},
    {"single quotes stripped", "[S]\r\nk='a'\r\n", "S", "k", "", "a"},
    {"quote at one end kept", "[S]\r\nk=\"a\r\n", "S", "k", "", "\"a"},
    {"mixed quotes kept", "[S]\r\nk=\"a'\r\n", "S", "k", "", "\"a'"},
    {"two quotes give empty", "[S]\r\nk=\"\"\r\n", "S", "k", "d", ""},
    {"empty value is not the default", "[Setup]\r\nCustomItemValueNames5=\r\n", "Setup", "CustomItemValueNames5", "d", ""},
    {"first of two keys", "[S]\r\nk=first\r\nk=second\r\n", "S", "k", "", "first"},
    {"second section not searched", "[S]\r\na=1\r\n[S]\r\nk=v\r\n", "S", "k", "d", "d"},
    {"key trimmed in the file", "[S]\r\n\t k \t= v\r\n", "S", "k", "", "v"},
    {"value keeps later equals signs", "[S]\r\nk=a=b\r\n", "S", "k", "", "a=b"},
    {"nothing after the value is a comment", "[S]\r\nk=a ; b\r\n", "S", "k", "", "a ; b"},
    {"comment lines never match", "[S]\r\n;k=hidden\r\n", "S", "k", "d", "d"},
    {"entries before any section are not in it", "k=outside\r\n[S]\r\n", "S", "k", "d", "d"},
    {"bare LF ends lines", "[S]\nk=v\nj=w", "S", "j", "", "w"},
    {"header with blanks around it", "  [S]  \r\nk=v\r\n", "S", "k", "", "v"},
    {"leading blank of the section dropped", "[S]\r\nk=v\r\n", " S", "k", "", "v"},
    {"leading tab of the section dropped", "[S]\r\nk=v\r\n", "\tS", "k", "", "v"},
    {"leading blank of the key dropped", "[S]\r\nk=v\r\n", "S", " k", "", "v"},
    // Wine drops blanks and tabs only.
    {"leading control byte of the key dropped", "[S]\r\nk=v\r\n", "S", "\x01k", "", "v", ""},
    // Wine looks for a section or key of that name and answers with the default.
    {"a name of blanks only gives empty text", "[S]\r\nk=v\r\n", "   ", "k", "d", "", "d"},
    {"an empty key gives empty text", "[S]\r\nk=v\r\n", "S", "", "d", "", "d"},
    {"trailing spaces of the default removed", "[S]\r\n", "S", "k", "abc  ", "abc"},
};

TEST_P(IniProfileTest, ReadsFollowTheProfileRules) {
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.name);
        dir.Write("test.ini", c.content);
        EXPECT_EQ(ini().GetString(file, c.section, c.key, c.defaultValue),
                  Expected(c.expected, c.wine ? std::optional<std::string>(c.wine) : std::nullopt));
    }
}

TEST_P(IniProfileTest, AMissingFileGivesTheDefaultUnchanged) {
    EXPECT_EQ(ini().GetString(dir.File("Setup.ini"), "软件设置", "服务端路径", "D:\\Mirserver\\"), "D:\\Mirserver\\");
    EXPECT_EQ(ini().GetString(dir.File("Mir200\\!Setup.txt"), "Setup", "CustomItemValueNames0", ""), "");
}

TEST_P(IniProfileTest, FileNamesAreTrimmedAndDoubledSeparatorsCountAsOne) {
    dir.MakeDirectory("Mir200");
    dir.Write("Mir200\\!Setup.txt", "[Setup]\r\nCustomItemValueNames0=防御\r\n");
    EXPECT_EQ(ini().GetString(dir.path() + "\\\\Mir200\\!Setup.txt", "Setup", "CustomItemValueNames0", ""), "防御");
    // Wine keeps the blanks in front of a file name, so it finds no file; and for a name of
    // blanks only it answers with the default.
    EXPECT_EQ(ini().GetString(" \t" + dir.File("Mir200\\!Setup.txt"), "Setup", "CustomItemValueNames0", ""),
              Expected("防御", ""));
    EXPECT_EQ(ini().GetString("  ", "Setup", "CustomItemValueNames0", "d"), Expected("", "d"));
}

TEST_P(IniProfileTest, LongValuesAreCutTo10239Bytes) {
    const std::string value(12000, 'x');
    dir.Write("test.ini", "[S]\r\nk=" + value + "\r\n");
    EXPECT_EQ(ini().GetString(file, "S", "k", ""), value.substr(0, 10239));
}

struct WriteCase {
    const char* name;
    const char* before;  // nullptr: no file yet
    const char* section;
    const char* key;
    const char* value;
    const char* after;
    const char* wine = nullptr;
};

const WriteCase kWriteCases[] = {
    {"a missing file gets two lines", nullptr, "软件设置", "服务端路径", "D:\\Mirserver\\",
     "[软件设置]\r\n服务端路径=D:\\Mirserver\\\r\n"},
    {"the entry line is replaced", "[软件设置]\r\n服务端路径=D:\\Mirserver\\\r\n", "软件设置", "服务端路径", "E:\\Game\\",
     "[软件设置]\r\n服务端路径=E:\\Game\\\r\n"},
    {"every other line kept byte for byte",
     "; settings\n[Other]\r\n  a = 1 \r\n\r\n[软件设置]\r\n服务端路径 = old\n;note\r\n", "软件设置", "服务端路径", "new",
     "; settings\n[Other]\r\n  a = 1 \r\n\r\n[软件设置]\r\n服务端路径=new\n;note\r\n",
     // Wine writes the whole file anew from what it parsed, without blank lines.
     "; settings\r\n[Other]\r\na=1\r\n[软件设置]\r\n服务端路径=new\r\n;note\r\n"},
    {"the key is matched without case and written as spelled", "[S]\r\nKEY=1\r\n", "s", "key", "2",
     "[S]\r\nkey=2\r\n", "[S]\r\nKEY=2\r\n"},  // Wine keeps the old spelling
    {"an entry joins the end of its section", "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n", "S", "k", "v",
     "[S]\r\na=1\r\nk=v\r\n\r\n[T]\r\nb=2\r\n", "[S]\r\na=1\r\nk=v\r\n[T]\r\nb=2\r\n"},
    {"a section is added at the end", "[T]\r\nb=2", "S", "k", "v", "[T]\r\nb=2\r\n[S]\r\nk=v\r\n"},
    {"an empty value is an entry", "[S]\r\n", "S", "k", "", "[S]\r\nk=\r\n"},
};

TEST_P(IniProfileTest, WritesChangeOnlyTheirEntry) {
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.name);
        TempDir fresh;
        if (c.before) fresh.Write("test.ini", c.before);
        EXPECT_TRUE(ini().PutString(fresh.File("test.ini"), c.section, c.key, c.value));
        EXPECT_EQ(fresh.Read("test.ini"), Expected(c.after, c.wine ? std::optional<std::string>(c.wine) : std::nullopt));
        EXPECT_EQ(ini().GetString(fresh.File("test.ini"), c.section, c.key, "default"), c.value);
    }
}

TEST_P(IniProfileTest, AFailedWriteChangesNothing) {
    EXPECT_FALSE(ini().PutString(dir.File("missing\\Setup.ini"), "软件设置", "服务端路径", "E:\\"));
    EXPECT_FALSE(dir.Read("missing\\Setup.ini").has_value());
    EXPECT_EQ(ini().GetString(dir.File("missing\\Setup.ini"), "软件设置", "服务端路径", "D:\\Mirserver\\"), "D:\\Mirserver\\");

    const std::string before = "[软件设置]\r\n服务端路径=F:\\Other\\\r\n";
    dir.Write("Setup.ini", before);
    dir.MakeReadOnly("Setup.ini");
    // Under Wine run by root the system's call writes into the read-only file anyway.
    const bool writesAnyway = WineAnswers() && test::ReadOnlyFilesOpenForWriting(dir.path().c_str());
    EXPECT_EQ(ini().PutString(dir.File("Setup.ini"), "软件设置", "服务端路径", "E:\\"), writesAnyway);
    EXPECT_EQ(dir.Read("Setup.ini"), writesAnyway ? "[软件设置]\r\n服务端路径=E:\\\r\n" : before);
}

INSTANTIATE_TEST_SUITE_P(Providers, IniProfileTest, ::testing::ValuesIn(Providers()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lifeng
