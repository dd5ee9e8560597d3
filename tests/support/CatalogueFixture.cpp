#include "CatalogueFixture.h"

#include "platform/Config.h"
#include "platform/FileSystem.h"
#include "platform/Gbk.h"
#include "tools/catalogue/CatalogueFile.h"

namespace testsupport {

CatalogueFixture::CatalogueFixture(const std::string& source, const std::string& key) {
    catalogue::WriteCatalogue(catalogue::ParseSource(platform::GbkToUtf8(source)), File().string(),
                             key);
    const auto ini = m_folder.Path() / "Lalora.ini";
    WriteFile(ini, "[Lalora]\nDataFolder=" + m_folder.ProgramPath() + "\n");
    platform::Config::ReplaceForTesting(platform::Config(platform::GbkPath(ini)));
}

CatalogueFixture::~CatalogueFixture() {
    platform::Config::ReplaceForTesting(
        platform::Config(platform::ExecutableFolder() + platform::Config::kFileName));
}

std::string SmallCatalogueSource() {
    return R"(# test catalogue
class: 11 | 1 | 经典儿歌
class: 12 | 1 | 空的类
class: 21 | 2 | 童话故事
title: 1 | 11 | 小星星 | 5
title: 2 | 11 | 两只老虎 | 0
title: 3 | 11 | ABC Song | 0
title: 4 | 21 | 小红帽 | 9
title: 5 | 21 | Tom's Day | 0
title: 6 | 21 | 100% 快乐 | 0
title: 7 | 21 | 1000 快乐 | 0
title: 8 | 21 | a_b | 0
title: 9 | 21 | axb | 0
cartoon-class: 1 | 经典动画
cartoon-class: 2 | 空的动画类
cartoon: 1 | 小蝌蚪找妈妈 | http://127.0.0.1/cartoon/1.htm
cartoon: 1 | 大闹天宫 | http://127.0.0.1/cartoon/2.htm
)";
}

}  // namespace testsupport
