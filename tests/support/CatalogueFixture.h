#pragma once
// A real encrypted catalogue in a scratch folder, made by the catalogue tool's
// own code, with the program's configuration pointed at it.
#include "TestSupport.h"

#include <string>

namespace testsupport {

class CatalogueFixture {
public:
    // `source` is catalogue source text as the tests' literals hold it (GBK).
    explicit CatalogueFixture(const std::string& source, const std::string& key = "R908@771T");
    ~CatalogueFixture();

    const ScratchDir& Folder() const { return m_folder; }
    std::filesystem::path File() const { return m_folder.Path() / "VantriBB.dat"; }

private:
    ScratchDir m_folder;
};

// A small catalogue with every kind of record.
std::string SmallCatalogueSource();

}  // namespace testsupport
