// The catalogue tool: its source format and the files it writes.
#include "tools/catalogue/CatalogueFile.h"
#include "tools/catalogue/CatalogueSource.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

TEST(CatalogueSource, BadLinesNameTheirLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"class: 1 | 1 | ok\nno colon here\n", "line 2: expected"},
        {"shelf: 1 | 2\n", "line 1: unknown kind"},
        {"# c\n\nclass: x | 1 | name\n", "line 3: not a whole number"},
        {"title: 1 | 2\n", "line 1: wrong number of fields"},
        {"title: 1 | 2 | n | 0 | t | extra\n", "line 1: wrong number of fields"},
    };
    for (const auto& c : cases) {
        try {
            catalogue::ParseSource(c.text);
            ADD_FAILURE() << c.text;
        } catch (const catalogue::SourceError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(CatalogueSource, TextBecomesGbkAndBackslashNIsNull) {
    const auto records = catalogue::ParseSource(
        "\xEF\xBB\xBF" "title: 7 | 1 | \xE5\xB0\x8F\xE6\x98\x9F\xE6\x98\x9F\nskin: 1 | 2 | 3 | \\N |  | \n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].values[2].text, "小星星");
    EXPECT_EQ(records[0].values[3].integer, 0);  // clicks default
    EXPECT_EQ(records[1].values[3].kind, catalogue::Value::Kind::Null);
}

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    char buffer[4096];
    while (pipe && fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pipe ? pclose(pipe) : -1;
    return std::to_string(WEXITSTATUS(status)) + ":" + output;
}

TEST(CatalogueTool, BuildWritesAKeyedFileThatDumpLists) {
    testsupport::ScratchDir dir;
    const std::string tool = LALORA_BINARY_DIR "/tools/catalogue/lalora-catalogue";
    const auto source = dir.Path() / "source.txt";
    testsupport::WriteFile(source, "class: 11 | 1 | \xE5\x84\xBF\xE6\xAD\x8C\ntitle: 1 | 11 | Tom's Day\n");
    const auto file = dir.Path() / "VantriBB.dat";
    EXPECT_EQ(RunCommand(tool + " build " + source.string() + " " + file.string()), "0:");

    const std::string dump = RunCommand(tool + " dump " + file.string());
    ASSERT_EQ(dump.substr(0, 2), "0:");
    for (const char* object :
         {"== table T_Rezodi_Class", "== table T_Rezodi_FileList", "== table T_Rezodi_MovieClass",
          "== table T_Rezodi_MovieList", "== table T_Rezodi_Favorites", "== table T_Rezodi_Played",
          "== table T_Sys_Skins", "== view V_Rezodi_Favorites", "== view V_Rezodi_Played",
          "11\t\xE5\x84\xBF\xE6\xAD\x8C\t1", "Tom's Day"})
        EXPECT_NE(dump.find(object), std::string::npos) << object;

    EXPECT_EQ(RunCommand(tool + " dump " + file.string() + " --key wrong").substr(0, 2), "1:");
    // The codec's own shell reads it (GBK bytes) with the key and refuses it without.
    const std::string query = " 'SELECT f_ClassName FROM T_Rezodi_Class'";
    EXPECT_EQ(RunCommand("sqlcipher " + file.string() + query).find("儿歌"), std::string::npos);
    EXPECT_NE(RunCommand("sqlcipher -cmd \"PRAGMA key='R908@771T'\" " + file.string() + query)
                  .find("儿歌"),
              std::string::npos);
}

TEST(CatalogueTool, AFailedBuildLeavesNoFile) {
    testsupport::ScratchDir dir;
    const std::string tool = LALORA_BINARY_DIR "/tools/catalogue/lalora-catalogue";
    const auto source = dir.Path() / "source.txt";
    testsupport::WriteFile(source, "title: 1 | 1 | a\ntitle: 1 | 1 | duplicate id\n");
    const auto file = dir.Path() / "VantriBB.dat";
    const std::string result = RunCommand(tool + " build " + source.string() + " " + file.string());
    EXPECT_EQ(result.substr(0, 2), "1:");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
