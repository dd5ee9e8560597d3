#include "platform/Config.h"
#include "platform/FileSystem.h"
#include "platform/Gbk.h"
#include "platform/ProfileFile.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using platform::GetPrivateProfileString;
using platform::WritePrivateProfileString;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    testsupport::ScratchDir dir;
    std::string path = platform::GbkPath(dir.Path() / "Vantri.ini");

    std::string Get(const char* section, const char* key, const char* def = "",
                    std::size_t size = 256) {
        return GetPrivateProfileString(section, key, def, size, path);
    }
};

TEST_F(ProfileFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Get("VIEDO", "ViedoPath", "none"), "none");
    testsupport::WriteFile(dir.Path() / "Vantri.ini", "[OTHER]\nViedoPath=x\n");
    EXPECT_EQ(Get("VIEDO", "ViedoPath", "none"), "none");
    EXPECT_EQ(Get("OTHER", "Missing", "none"), "none");
}

TEST_F(ProfileFileTest, ReadsLikeTheSystemsProfileFunctions) {
    testsupport::WriteFile(dir.Path() / "Vantri.ini",
                           "junk before any section\r\n"
                           "[viedo]\r\n"
                           "no equals sign here\r\n"
                           "  ViedoPath  =   /home/宝宝/缓存   \r\n"
                           "Quoted=\"  kept blanks  \"\r\n"
                           "Empty=\r\n"
                           "[VIEDO2]\r\n"
                           "ViedoPath=other\r\n"
                           "Long=" + std::string(5000, 'x') + "\n"
                           "Bad=\xFF\xFE\x81\n");
    EXPECT_EQ(Get("VIEDO", "viedopath"), "/home/宝宝/缓存");
    EXPECT_EQ(Get("VIEDO", "Quoted"), "  kept blanks  ");
    EXPECT_EQ(Get("VIEDO", "Empty", "default"), "");
    EXPECT_EQ(Get("VIEDO2", "ViedoPath"), "other");
    EXPECT_EQ(Get("VIEDO2", "Long").size(), 255u);
    EXPECT_EQ(Get("VIEDO2", "Bad"), "\xFF\xFE\x81");
    EXPECT_EQ(Get("VIEDO", "ViedoPath", "", 5), "/hom");
}

TEST_F(ProfileFileTest, WriteCreatesFileAndSectionAndKeepsOtherLines) {
    ASSERT_TRUE(WritePrivateProfileString("VIEDO", "ViedoPath", "/缓存/一", path));
    EXPECT_EQ(Get("VIEDO", "ViedoPath"), "/缓存/一");

    ASSERT_TRUE(WritePrivateProfileString("Other", "Key", "v", path));
    ASSERT_TRUE(WritePrivateProfileString("viedo", "VIEDOPATH", "/缓存/二", path));
    ASSERT_TRUE(WritePrivateProfileString("VIEDO", "Second", "2", path));
    EXPECT_EQ(Get("VIEDO", "ViedoPath"), "/缓存/二");
    EXPECT_EQ(Get("VIEDO", "Second"), "2");
    EXPECT_EQ(Get("Other", "Key"), "v");
    const std::string text = testsupport::ReadFile(dir.Path() / "Vantri.ini");
    EXPECT_EQ(text.find("ViedoPath"), text.rfind("ViedoPath")) << "the key is replaced, not added";
    EXPECT_NE(text.find("/缓存/二"), std::string::npos) << "GBK kept as bytes";
}

TEST_F(ProfileFileTest, WriteIntoAFolderThatDoesNotExistFails) {
    const std::string bad = platform::GbkPath(dir.Path() / "missing" / "Vantri.ini");
    EXPECT_FALSE(WritePrivateProfileString("VIEDO", "ViedoPath", "x", bad));
}

TEST(Gbk, RoundTripsAndReplacesInvalidBytes) {
    EXPECT_EQ(platform::GbkToUtf8("小星星"), "\xE5\xB0\x8F\xE6\x98\x9F\xE6\x98\x9F");
    EXPECT_EQ(platform::Utf8ToGbk("\xE5\xB0\x8F\xE6\x98\x9F\xE6\x98\x9F"), "小星星");
    EXPECT_EQ(platform::GbkToQString("宝宝"), QStringLiteral(u"宝宝"));
    EXPECT_EQ(platform::QStringToGbk(QStringLiteral(u"宝宝")), "宝宝");
    EXPECT_EQ(platform::GbkToUtf8("a\xFF"), "a\xEF\xBF\xBD");
    const std::string korean = "\xED\x95\x9C\xEA\xB8\x80";  // not in GBK; GB18030 keeps it
    EXPECT_EQ(platform::GbkToUtf8(platform::Utf8ToGbk(korean)), korean);
}

TEST(FindFile, ExactPathsOnlyNoPatterns) {
    testsupport::ScratchDir dir;
    testsupport::WriteFile(platform::FsPath(dir.ProgramPath() + "小星星.swf"), "x");
    EXPECT_TRUE(platform::FindFile(dir.ProgramPath() + "小星星.swf"));
    EXPECT_FALSE(platform::FindFile(dir.ProgramPath() + "*.swf"));
    EXPECT_FALSE(platform::FindFile(dir.ProgramPath() + "小星?.swf"));
    EXPECT_FALSE(platform::FindFile(""));
}

TEST(Config, DefaultsAndValuesFromTheProfileFile) {
    testsupport::ScratchDir dir;
    const auto ini = dir.Path() / "Lalora.ini";
    const platform::Config defaults(platform::GbkPath(ini));
    EXPECT_FALSE(defaults.WebServer().empty());
    EXPECT_EQ(defaults.DataFolder(), platform::ExecutableFolder());
    testsupport::WriteFile(ini, "[Lalora]\nWebServer=http://127.0.0.1:8080/\nDataFolder=/data\n");
    const platform::Config config(platform::GbkPath(ini));
    EXPECT_EQ(config.WebServer(), "http://127.0.0.1:8080");
    EXPECT_EQ(config.DataFolder(), "/data/");
    EXPECT_EQ(config.WebSite(), defaults.WebSite());
}

}  // namespace
