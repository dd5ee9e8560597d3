// Prints how long the catalogue's hot paths take on a 10,000-title catalogue:
// opening with the key, filling one content type's tree (text 1, then text 2
// per class), and the random "latest" list (text 5). Asserts nothing.
#include "store/Catalogue.h"
#include "store/CatalogueSql.h"

#include "tests/support/CatalogueFixture.h"

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr int kTypes = 4;
constexpr int kClassesPerType = 25;
constexpr int kTitlesPerClass = 100;
constexpr int kRuns = 20;

std::string LargeSource() {
    std::string source;
    int fileId = 1;
    for (int type = 1; type <= kTypes; ++type)
        for (int c = 0; c < kClassesPerType; ++c) {
            const int classNumber = type * 100 + c;
            source += "class: " + std::to_string(classNumber) + " | " + std::to_string(type) +
                      " | 分类" + std::to_string(classNumber) + "\n";
            for (int t = 0; t < kTitlesPerClass; ++t, ++fileId)
                source += "title: " + std::to_string(fileId) + " | " + std::to_string(classNumber) +
                          " | 儿歌标题" + std::to_string(fileId) + "\n";
        }
    return source;
}

template <typename F>
double MillisecondsPerRun(F&& work) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRuns; ++i)
        work();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / kRuns;
}

int FillType(CDbQoLite& db, const char* type) {
    int items = 0;
    std::unique_ptr<CSqlStatement> classes(db.Prepare(sql::ClassesOfType(type).c_str()));
    while (classes->NextRow()) {
        ++items;
        std::unique_ptr<CSqlStatement> titles(
            db.Prepare(sql::TitlesOfClass(classes->GetInt(1)).c_str()));
        while (titles->NextRow()) {
            titles->GetText(2);
            ++items;
        }
    }
    return items;
}

}  // namespace

int main() {
    const testsupport::CatalogueFixture catalogue(LargeSource());
    const std::string path = CataloguePath();

    const double openMs = MillisecondsPerRun([&] {
        CDbQoLite db;
        db.Open(path.c_str(), kCatalogueKey);
        std::unique_ptr<CSqlStatement> first(db.Prepare("SELECT 1 FROM T_Rezodi_Class LIMIT 1"));
        first->NextRow();
    });
    int items = 0;
    const double fillMs = MillisecondsPerRun([&] {
        auto db = OpenCatalogue(nullptr, 0);
        items = FillType(*db, "1");
    });
    const double latestMs = MillisecondsPerRun([&] {
        auto db = OpenCatalogue(nullptr, 0);
        std::unique_ptr<CSqlStatement> latest(db->Prepare(sql::LatestTitles().c_str()));
        while (latest->NextRow())
            latest->GetText(2);
    });
    std::printf("catalogue: %d titles, %d runs each\n", kTypes * kClassesPerType * kTitlesPerClass,
                kRuns);
    std::printf("open and key (first statement): %8.2f ms\n", openMs);
    std::printf("type fill, text 1 + text 2:    %8.2f ms (%d items)\n", fillMs, items);
    std::printf("latest list, text 5:           %8.2f ms\n", latestMs);
    return 0;
}
