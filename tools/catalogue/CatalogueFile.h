#pragma once
// Writing and dumping encrypted catalogue files.
#include "CatalogueSource.h"

#include <ostream>
#include <string>

namespace catalogue {

class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes a new catalogue at `utf8Path` (replacing one that is there) with the
// tables, views and records. Nothing is left behind on failure.
void WriteCatalogue(const std::vector<Record>& records, const std::string& utf8Path,
                    const std::string& key);

// Prints every table and view with its rows as UTF-8, tab-separated.
void DumpCatalogue(const std::string& utf8Path, const std::string& key, std::ostream& out);

}  // namespace catalogue
