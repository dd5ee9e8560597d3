// The SQLite wrapper and the catalogue open sequence, on real encrypted files.
#include "store/Catalogue.h"
#include "store/DbQoLite.h"

#include "platform/MessageBox.h"
#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using testsupport::CatalogueFixture;

namespace {

std::unique_ptr<CDbQoLite> OpenFile(const std::filesystem::path& file, const char* key = kCatalogueKey) {
    auto db = std::make_unique<CDbQoLite>();
    EXPECT_TRUE(db->Open(file.string().c_str(), key));
    return db;
}

int CountRows(CDbQoLite& db, const char* sql) {
    std::unique_ptr<CSqlStatement> statement(db.Prepare(sql));
    int rows = 0;
    while (statement->NextRow() && rows < 1000)
        ++rows;
    return rows;
}

class DbQoLiteTest : public ::testing::Test {
protected:
    CatalogueFixture catalogue{testsupport::SmallCatalogueSource()};
};

TEST_F(DbQoLiteTest, ExhaustedStatementStartsAgainAfterOneFalse) {
    auto db = OpenFile(catalogue.File());
    std::unique_ptr<CSqlStatement> s(db->Prepare("SELECT f_ProgramName FROM T_Rezodi_FileList WHERE f_ClassID=11"));
    std::vector<std::string> first;
    while (s->NextRow() && first.size() < 10)
        first.emplace_back(s->GetText(0));
    ASSERT_EQ(first.size(), 3u);
    ASSERT_TRUE(s->NextRow());
    EXPECT_EQ(s->GetText(0), first[0]);
}

TEST_F(DbQoLiteTest, ExecuteIsTrueOnlyWhenNoRowComes) {
    auto db = OpenFile(catalogue.File());
    EXPECT_FALSE(db->ExecuteSql("SELECT * FROM T_Rezodi_FileList"));
    EXPECT_TRUE(db->ExecuteSql("SELECT * FROM T_Rezodi_FileList WHERE f_FileID=-1"));
    EXPECT_TRUE(db->ExecuteSql("UPDATE T_Rezodi_FileList SET f_Clicks=1 WHERE f_FileID=2"));
    EXPECT_FALSE(db->ExecuteSql("UPDATE no_such_table SET x=1"));
}

TEST_F(DbQoLiteTest, NullReadsAsTextNullAndZero) {
    auto db = OpenFile(catalogue.File());
    std::unique_ptr<CSqlStatement> s(db->Prepare("SELECT NULL, 'x'"));
    ASSERT_TRUE(s->NextRow());
    EXPECT_STREQ(s->GetText(0), "(null)");
    EXPECT_EQ(s->GetInt(0), 0);
    EXPECT_STREQ(s->GetText(7), "(null)");  // a column outside the result
    EXPECT_EQ(s->GetColumnCount(), 2);
}

TEST_F(DbQoLiteTest, GetTextBufferIsOverwrittenByTheNextCall) {
    auto db = OpenFile(catalogue.File());
    std::unique_ptr<CSqlStatement> s(db->Prepare("SELECT 'first', 'second'"));
    ASSERT_TRUE(s->NextRow());
    const char* first = s->GetText(0);
    const char* second = s->GetText(1);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "second");
}

TEST_F(DbQoLiteTest, WrongKeyOpensButNothingRuns) {
    auto db = OpenFile(catalogue.File(), "wrong-key");
    EXPECT_EQ(CountRows(*db, "SELECT * FROM T_Rezodi_FileList"), 0);
    EXPECT_FALSE(db->ExecuteSql("UPDATE T_Rezodi_FileList SET f_Clicks=1"));
}

TEST(DbQoLiteBadFiles, NothingCrashesNoRowsNoExecute) {
    testsupport::ScratchDir dir;
    CatalogueFixture good(testsupport::SmallCatalogueSource());
    const std::string catalogueBytes = testsupport::ReadFile(good.File());
    CatalogueFixture noView("class: 1 | 1 | x\n");
    {
        // A catalogue missing a view: the view's query fails, the rest works.
        auto db = OpenFile(noView.File());
        EXPECT_TRUE(db->ExecuteSql("DROP VIEW V_Rezodi_Played"));
    }
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"text.dat", "this is not a database at all\n"},
        {"empty.dat", ""},
        {"truncated.dat", catalogueBytes.substr(0, catalogueBytes.size() / 3)},
        {"header-only.dat", catalogueBytes.substr(0, 100)},
        {"plain-sqlite.dat", std::string("SQLite format 3\0", 16) + std::string(4080, '\0')},
    };
    for (const auto& c : cases) {
        const auto path = dir.Path() / c.name;
        testsupport::WriteFile(path, c.bytes);
        auto db = OpenFile(path);
        EXPECT_EQ(CountRows(*db, "SELECT * FROM T_Rezodi_FileList"), 0) << c.name;
        EXPECT_FALSE(db->ExecuteSql("INSERT INTO T_Rezodi_Played VALUES (NULL, 1, 'now', 0, '')")) << c.name;
    }
    auto db = OpenFile(noView.File());
    EXPECT_EQ(CountRows(*db, "SELECT * FROM V_Rezodi_Played"), 0);
    EXPECT_EQ(CountRows(*db, "SELECT * FROM T_Rezodi_Class"), 1);
}

TEST(DbQoLiteBadFiles, OpenOfAMissingFileCreatesNothing) {
    testsupport::ScratchDir dir;
    const auto path = dir.Path() / "VantriBB.dat";
    CDbQoLite db;
    EXPECT_FALSE(db.Open(path.string().c_str(), kCatalogueKey));
    EXPECT_FALSE(std::filesystem::exists(path));
}

struct BoxRecorder {
    std::vector<platform::MessageBoxCall> calls;
    BoxRecorder() {
        platform::SetMessageBoxHook([this](const platform::MessageBoxCall& call) {
            calls.push_back(call);
            return platform::IDOK;
        });
    }
    ~BoxRecorder() { platform::SetMessageBoxHook({}); }
};

TEST(CatalogueOpen, OpensTheInstalledCatalogueSilently) {
    CatalogueFixture catalogue(testsupport::SmallCatalogueSource());
    BoxRecorder boxes;
    auto db = OpenCatalogue(nullptr, platform::MB_ICONERROR);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(CountRows(*db, "SELECT * FROM T_Rezodi_Class"), 3);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(CatalogueOpen, MissingCatalogueShowsCode1002WithTheCallersFlags) {
    CatalogueFixture catalogue(testsupport::SmallCatalogueSource());
    std::filesystem::remove(catalogue.File());
    BoxRecorder boxes;
    EXPECT_EQ(OpenCatalogue(nullptr, platform::MB_ICONERROR), nullptr);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text.rfind("CODE:1002，程序数据被损坏，请联系", 0), 0u);
    EXPECT_EQ(boxes.calls[0].text.substr(boxes.calls[0].text.size() - 6), "解决！");
    EXPECT_EQ(boxes.calls[0].title, "Vantri.Lalora");
    EXPECT_EQ(boxes.calls[0].flags, unsigned(platform::MB_ICONERROR));
}

}  // namespace
