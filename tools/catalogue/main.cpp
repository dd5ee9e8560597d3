// lalora-catalogue: writes and inspects encrypted catalogue files.
#include "CatalogueFile.h"
#include "store/Catalogue.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

int Usage() {
    std::cerr << "usage: lalora-catalogue build SOURCE OUT [--key KEY]\n"
                 "       lalora-catalogue dump FILE [--key KEY]\n";
    return 2;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw catalogue::CatalogueError("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string key = kCatalogueKey;
    if (args.size() >= 2 && args[args.size() - 2] == "--key") {
        key = args.back();
        args.resize(args.size() - 2);
    }
    try {
        if (args.size() == 3 && args[0] == "build") {
            catalogue::WriteCatalogue(catalogue::ParseSource(ReadAll(args[1])), args[2], key);
            return 0;
        }
        if (args.size() == 2 && args[0] == "dump") {
            catalogue::DumpCatalogue(args[1], key, std::cout);
            return 0;
        }
    } catch (const std::exception& e) {
        std::cerr << "lalora-catalogue: " << e.what() << "\n";
        return 1;
    }
    return Usage();
}
