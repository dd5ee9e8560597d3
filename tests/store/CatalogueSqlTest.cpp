// Every SQL text the program sends, run on a real catalogue and read by position.
#include "store/Catalogue.h"
#include "store/CatalogueSql.h"

#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

using testsupport::CatalogueFixture;

namespace {

// Column values of every row, read as text at the given positions.
std::vector<std::vector<std::string>> Rows(CDbQoLite& db, const std::string& sql,
                                           std::initializer_list<int> columns) {
    std::unique_ptr<CSqlStatement> statement(db.Prepare(sql.c_str()));
    std::vector<std::vector<std::string>> rows;
    while (statement->NextRow() && rows.size() < 1000) {
        std::vector<std::string> row;
        for (int c : columns)
            row.emplace_back(statement->GetText(c));
        rows.push_back(row);
    }
    return rows;
}

using Table = std::vector<std::vector<std::string>>;

class CatalogueSqlTest : public ::testing::Test {
protected:
    CatalogueFixture catalogue{testsupport::SmallCatalogueSource()};
    std::unique_ptr<CDbQoLite> db = OpenCatalogue(nullptr, 0);

    int IntOf(const std::string& sql, int column) {
        std::unique_ptr<CSqlStatement> statement(db->Prepare(sql.c_str()));
        int value = -1;
        while (statement->NextRow())
            value = statement->GetInt(column);
        return value;
    }
};

TEST(CatalogueSqlText, OrdinaryValuesGiveTheTextsAsTheProgramSendsThem) {
    const std::pair<std::string, std::string> texts[] = {
        {sql::ClassesOfType("1"), "SELECT * FROM T_Rezodi_Class WHERE f_TypeID=1"},
        {sql::TitlesOfClass(11), "SELECT * FROM T_Rezodi_FileList WHERE f_ClassID=11"},
        {sql::CartoonClasses(), "SELECT * FROM T_Rezodi_MovieClass"},
        {sql::PagesOfCartoonClass(2), "SELECT * FROM T_Rezodi_MovieList WHERE f_ClassID=2"},
        {sql::LatestTitles(), "SELECT * FROM T_Rezodi_FileList ORDER BY  RANDOM(f_Time) DESC limit 22"},
        {sql::FavouritesOfUser(""), "SELECT * FROM V_Rezodi_Favorites WHERE f_UserID='' ORDER BY f_FavTime DESC"},
        {sql::HistoryOfUser(""), "SELECT * FROM V_Rezodi_Played WHERE f_UserID='' ORDER BY f_PlayTime DESC limit 22"},
        {sql::TitleByName("小星星"), "SELECT * FROM T_Rezodi_FileList WHERE f_ProgramName LIKE '小星星'"},
        {sql::FavouriteOfTitle("7"), "SELECT * FROM T_Rezodi_Favorites WHERE f_FileID=7"},
        {sql::UpdateFavourite(2, "7"), "UPDATE T_Rezodi_Favorites SET f_Clicks=2, f_FavTime=(datetime('now', 'localtime')) WHERE f_FileID=7"},
        {sql::InsertFavourite("7", ""), "INSERT INTO T_Rezodi_Favorites VALUES (NULL, 7, (datetime('now', 'localtime')), 0, '')"},
        {sql::UpdateTitleClicks(3, "7"), "UPDATE T_Rezodi_FileList SET f_Clicks=3 WHERE f_FileID=7"},
        {sql::PlayedOfTitle("7"), "SELECT * FROM T_Rezodi_Played WHERE f_FileID=7"},
        {sql::UpdatePlayed(1, "7"), "UPDATE T_Rezodi_Played SET f_Clicks=1, f_PlayTime=(datetime('now', 'localtime')) WHERE f_FileID=7"},
        {sql::InsertPlayed("7", ""), "INSERT INTO T_Rezodi_Played VALUES (NULL, 7, (datetime('now', 'localtime')), 0, '')"},
        {sql::SkinsOfUser(""), "SELECT * FROM T_Sys_Skins WHERE f_UserID LIKE ''"},
        {sql::UpdateSkin(136, -5, 20, "skin.texture33", "", ""), "UPDATE T_Sys_Skins SET f_H=136, f_S=-5, f_B=20, f_texture='skin.texture33', f_Theme='' WHERE f_UserID=''"},
        {sql::InsertSkin(136, -5, 20, "skin.texture33", "", ""), "INSERT INTO T_Sys_Skins VALUES (NULL, 136, -5, 20, 'skin.texture33', '', '')"},
    };
    for (const auto& [actual, expected] : texts)
        EXPECT_EQ(actual, expected);
}

TEST(CatalogueSqlText, SplicedValuesCannotChangeTheStatement) {
    EXPECT_EQ(sql::QuoteEscaped("Tom's"), "Tom''s");
    EXPECT_EQ(sql::LikeCondition("a_b"), "'a\\_b' ESCAPE '\\'");
    EXPECT_EQ(sql::LikeCondition("100%'"), "'100\\%''' ESCAPE '\\'");
    EXPECT_EQ(sql::IntegerLiteral("12"), "12");
    for (const char* bad : {"", "1 OR 1=1", "(null)", "1;DROP TABLE x", "--1", "12a"})
        EXPECT_EQ(sql::IntegerLiteral(bad), "") << bad;
    EXPECT_EQ(sql::ClassesOfType("1 OR 1=1"), "SELECT * FROM T_Rezodi_Class WHERE f_TypeID=");
}

TEST_F(CatalogueSqlTest, TypeClassesAndTheirTitlesInTableOrder) {
    EXPECT_EQ(Rows(*db, sql::ClassesOfType("1"), {1, 2}),
              (Table{{"11", "经典儿歌"}, {"12", "空的类"}}));
    EXPECT_EQ(Rows(*db, sql::TitlesOfClass(11), {2}),
              (Table{{"小星星"}, {"两只老虎"}, {"ABC Song"}}));
    EXPECT_TRUE(Rows(*db, sql::TitlesOfClass(12), {2}).empty());
    EXPECT_TRUE(Rows(*db, sql::ClassesOfType("4"), {2}).empty());
}

TEST_F(CatalogueSqlTest, CartoonClassesAndPages) {
    EXPECT_EQ(Rows(*db, sql::CartoonClasses(), {0, 1}),
              (Table{{"1", "经典动画"}, {"2", "空的动画类"}}));
    EXPECT_EQ(Rows(*db, sql::PagesOfCartoonClass(1), {2, 3}),
              (Table{{"小蝌蚪找妈妈", "http://127.0.0.1/cartoon/1.htm"},
                     {"大闹天宫", "http://127.0.0.1/cartoon/2.htm"}}));
}

TEST_F(CatalogueSqlTest, LatestListsEveryTitleOfASmallCatalogueInANewOrder) {
    std::set<std::string> seen;
    std::set<std::vector<std::vector<std::string>>> orders;
    for (int draw = 0; draw < 20; ++draw) {
        const auto rows = Rows(*db, sql::LatestTitles(), {2});
        EXPECT_EQ(rows.size(), 9u);
        for (const auto& row : rows)
            seen.insert(row[0]);
        orders.insert(rows);
    }
    EXPECT_EQ(seen.size(), 9u);
    EXPECT_GT(orders.size(), 1u);
}

TEST(CatalogueSqlLimits, LatestAndHistoryStopAt22) {
    std::string source = "class: 1 | 1 | 很多\n";
    for (int i = 1; i <= 40; ++i)
        source += "title: " + std::to_string(i) + " | 1 | 标题" + std::to_string(i) + "\n" +
                  "played: " + std::to_string(i) + " | 2011-01-01 00:00:" +
                  (i < 10 ? "0" : "") + std::to_string(i % 60) + " | 0 | \n";
    CatalogueFixture catalogue(source);
    auto db = OpenCatalogue(nullptr, 0);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(Rows(*db, sql::LatestTitles(), {2}).size(), 22u);
    const auto history = Rows(*db, sql::HistoryOfUser(""), {5});
    ASSERT_EQ(history.size(), 22u);
    EXPECT_EQ(history.front()[0], "标题40");
}

TEST_F(CatalogueSqlTest, TitleByNameMatchesOnlyThatName) {
    struct Case {
        const char* name;
        Table rows;  // f_FileID (position 0) of the matches
    };
    const Case cases[] = {
        {"小星星", {{"1"}}},
        {"abc song", {{"3"}}},  // LIKE keeps ignoring ASCII case
        {"Tom's Day", {{"5"}}},
        {"100% 快乐", {{"6"}}},
        {"a_b", {{"8"}}},
        {"a%", {}},
        {"没有这个", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rows(*db, sql::TitleByName(c.name), {0}), c.rows) << c.name;
}

TEST_F(CatalogueSqlTest, FavouriteUpdateOrInsertCountsFromZero) {
    auto favourite = [&](const std::string& id) {
        const bool exists = !Rows(*db, sql::FavouriteOfTitle(id), {1}).empty();
        if (exists)
            return db->ExecuteSql(sql::UpdateFavourite(IntOf(sql::FavouriteOfTitle(id), 3) + 1, id).c_str());
        return db->ExecuteSql(sql::InsertFavourite(id, "").c_str());
    };
    ASSERT_TRUE(favourite("4"));
    EXPECT_EQ(IntOf(sql::FavouriteOfTitle("4"), 3), 0);
    ASSERT_TRUE(favourite("4"));
    EXPECT_EQ(IntOf(sql::FavouriteOfTitle("4"), 3), 1);
    ASSERT_TRUE(db->ExecuteSql(sql::InsertFavourite("1", "").c_str()));
    EXPECT_EQ(Rows(*db, sql::FavouritesOfUser(""), {5}).size(), 2u);
    EXPECT_TRUE(Rows(*db, sql::FavouritesOfUser("someone"), {5}).empty());
    // An empty title number (the title was not found) makes the texts invalid.
    EXPECT_FALSE(db->ExecuteSql(sql::InsertFavourite("", "").c_str()));
    EXPECT_TRUE(Rows(*db, sql::FavouriteOfTitle(""), {1}).empty());
}

TEST_F(CatalogueSqlTest, ThreeStartsLeaveHistoryAtTwoAndClicksRaisedByThree) {
    const std::string id = Rows(*db, sql::TitleByName("小红帽"), {0}).at(0).at(0);
    for (int start = 0; start < 3; ++start) {
        const int clicks = IntOf(sql::TitleByName("小红帽"), 4);
        ASSERT_TRUE(db->ExecuteSql(sql::UpdateTitleClicks(clicks + 1, id).c_str()));
        if (Rows(*db, sql::PlayedOfTitle(id), {1}).empty())
            ASSERT_TRUE(db->ExecuteSql(sql::InsertPlayed(id, "").c_str()));
        else
            ASSERT_TRUE(db->ExecuteSql(
                sql::UpdatePlayed(IntOf(sql::PlayedOfTitle(id), 3) + 1, id).c_str()));
    }
    EXPECT_EQ(IntOf(sql::TitleByName("小红帽"), 4), 12);
    EXPECT_EQ(IntOf(sql::PlayedOfTitle(id), 3), 2);
    EXPECT_EQ(Rows(*db, sql::HistoryOfUser(""), {5}), (Table{{"小红帽"}}));
}

TEST(CatalogueSkins, LastRowWinsAndTheUpdateReachesEveryRow) {
    CatalogueFixture catalogue("skin: 10 | 20 | 30 | skin.texture11 |  | \n"
                               "skin: 99 | 99 | 99 | 别人的 |  | someone\n"
                               "skin: -40 | 5 | -6 | \\N |  | \n");
    auto db = OpenCatalogue(nullptr, 0);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(Rows(*db, sql::SkinsOfUser(""), {1, 2, 3, 4}),
              (Table{{"10", "20", "30", "skin.texture11"}, {"-40", "5", "-6", "(null)"}}));
    ASSERT_TRUE(db->ExecuteSql(sql::UpdateSkin(136, 0, 0, "Tom's", "", "").c_str()));
    EXPECT_EQ(Rows(*db, sql::SkinsOfUser(""), {1, 4}),
              (Table{{"136", "Tom's"}, {"136", "Tom's"}}));
    ASSERT_TRUE(db->ExecuteSql(sql::InsertSkin(1, 2, 3, "", "", "new").c_str()));
    EXPECT_EQ(Rows(*db, sql::SkinsOfUser("new"), {1, 2, 3}), (Table{{"1", "2", "3"}}));
}

}  // namespace
