#include <gtest/gtest.h>

#include "app/Files.h"
#include "app/WindowsPath.h"
#include "support/TempDir.h"
#ifndef _WIN32
#include "app/HostPath.h"
#endif

namespace lifeng {
namespace {

using test::TempDir;

TEST(Files, ReplaceWholeCreatesAndReplacesTheWholeFile) {
    TempDir dir;
    ASSERT_TRUE(files::ReplaceWhole(dir.File("脚本生成.txt"), "first, and longer\r\n"));
    ASSERT_TRUE(files::ReplaceWhole(dir.File("脚本生成.txt"), "second\r\n"));
    EXPECT_EQ(dir.Read("脚本生成.txt"), "second\r\n");
    EXPECT_EQ(files::ReadWhole(dir.File("脚本生成.txt")), "second\r\n");
    ASSERT_TRUE(files::ReplaceWhole(dir.File("empty.txt"), ""));
    EXPECT_EQ(dir.Read("empty.txt"), "");
}

TEST(Files, AFailedReplaceLeavesTheOldFileAndNoLeftovers) {
    TempDir dir;
    dir.Write("old.txt", "previous script");
    dir.MakeReadOnly("old.txt");
    EXPECT_FALSE(files::ReplaceWhole(dir.File("old.txt"), "new script"));
    EXPECT_EQ(dir.Read("old.txt"), "previous script");

    dir.MakeDirectory("folder");
    EXPECT_FALSE(files::ReplaceWhole(dir.File("folder"), "bytes"));
    EXPECT_FALSE(files::ReplaceWhole(dir.File("missing\\file.txt"), "bytes"));
    EXPECT_FALSE(files::EntryExists(dir.File("missing")));
    EXPECT_FALSE(files::EntryExists(dir.File("lfw*.tmp")));
}

TEST(Files, EntryExistsForFilesAndDirectoriesAlike) {
    TempDir dir;
    dir.MakeDirectory("Mir200");
    dir.Write("Mir200\\!Setup.txt", "[Setup]\r\n");
    EXPECT_TRUE(files::EntryExists(dir.File("Mir200")));
    EXPECT_TRUE(files::EntryExists(dir.File("Mir200\\!Setup.txt")));
    EXPECT_TRUE(files::EntryExists(dir.path() + "\\\\Mir200\\!Setup.txt"));  // a doubled separator
    EXPECT_FALSE(files::EntryExists(dir.File("Mir200\\Setup.txt")));
    EXPECT_FALSE(files::EntryExists(""));
    EXPECT_FALSE(files::ReadWhole(dir.File("Mir200")).has_value());
}

TEST(WindowsPath, CutAtLastSeparatorReadsGbk) {
    EXPECT_EQ(CutAtLastSeparator("C:\\Tools\\gen.exe"), "C:\\Tools");
    EXPECT_EQ(CutAtLastSeparator("C:\\gen.exe"), "C:");
    EXPECT_EQ(CutAtLastSeparator("gen.exe"), "");
    // The trail byte of 乗 (81 5C) is a backslash byte, not a separator.
    EXPECT_EQ(CutAtLastSeparator("D:\\\x81\x5C.exe"), "D:");
    EXPECT_EQ(CutAtLastSeparator("D:\\\x81\x5C\\a.exe"), "D:\\\x81\x5C");
}

#ifndef _WIN32
TEST(HostPath, WindowsPathsMapOntoTheHost) {
    MapDrive('d', "/srv/games");
    const struct {
        const char* windows;
        std::optional<std::string> host;
    } cases[] = {
        {"/tmp/run\\Setup.ini", "/tmp/run/Setup.ini"},
        {"Z:\\tmp\\run\\\\Setup.ini", "/tmp/run/Setup.ini"},
        {"z:/tmp", "/tmp"},
        {"D:\\Mirserver\\", "/srv/games/Mirserver/"},
        {"D:\\\\Mir200\\!Setup.txt", "/srv/games/Mir200/!Setup.txt"},
        {"d:", "/srv/games/"},
        {"Mir200\\!Setup.txt", "Mir200/!Setup.txt"},
        {"C:\\Windows", std::nullopt},
        {"", std::nullopt},
        {"/tmp\\脚本生成.txt", "/tmp/\xE8\x84\x9A\xE6\x9C\xAC\xE7\x94\x9F\xE6\x88\x90.txt"},
        {"/tmp\\\x81\x5C", "/tmp/\xE4\xB9\x97"},  // 乗: its trail byte is no separator
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windows);
        EXPECT_EQ(HostPath(c.windows), c.host);
    }
    MapDrive('D', "");
    EXPECT_EQ(HostPath("D:\\Mirserver\\"), std::nullopt);
}
#endif

}  // namespace
}  // namespace lifeng
