// lalora-swf: look into movies and write test, demo and bridge movies.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <type_traits>
#include <vector>

#include "Swf.h"

namespace {

int Usage()
{
    std::cerr << "usage:\n"
                 "  lalora-swf info FILE\n"
                 "  lalora-swf movie OUT [--frames N] [--rate R] [--size WxH] [--as3] [--sound]\n"
                 "                       [--compress] [--bg RRGGBB]\n"
                 "  lalora-swf bridge TITLE.swf URL OUT\n";
    return 2;
}

bool Save(const std::string& path, const swf::Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

int Info(const std::string& path)
{
    const auto info = swf::ReadInfoFromFile(path);
    if (!info) {
        std::cerr << path << ": not a readable movie\n";
        return 1;
    }
    std::printf("version %d\nlength %u\nstage %dx%d\nrate %g\nframes %d\nscript %s\nbackground %06X\n",
                info->version, info->fileLength, info->stageWidth, info->stageHeight, info->frameRate,
                info->frameCount, info->isAs3 ? "AS3" : "AS1/2", info->backgroundRgb);
    return 0;
}

// Parses the whole text as a number; false for anything else.
template <typename T>
bool ParseNumber(const std::string& text, T& value, int base = 10)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    if constexpr (std::is_floating_point_v<T>)
        value = static_cast<T>(std::strtod(text.c_str(), &end));
    else
        value = static_cast<T>(std::strtol(text.c_str(), &end, base));
    return *end == '\0';
}

int Movie(const std::vector<std::string>& args)
{
    swf::MovieOptions options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (a == "--as3") {
            options.script = swf::Script::As3;
        } else if (a == "--sound") {
            options.withSound = true;
        } else if (a == "--compress") {
            options.compressed = true;
        } else if (a == "--frames" && hasValue) {
            ok = ParseNumber(args[++i], options.frameCount) && options.frameCount > 0;
        } else if (a == "--rate" && hasValue) {
            ok = ParseNumber(args[++i], options.frameRate) && options.frameRate > 0 && options.frameRate < 256;
        } else if (a == "--bg" && hasValue) {
            ok = args[++i].size() == 6 && ParseNumber(args[i], options.backgroundRgb, 16);
        } else if (a == "--size" && hasValue) {
            const std::string& size = args[++i];
            const auto x = size.find('x');
            ok = x != std::string::npos && ParseNumber(size.substr(0, x), options.stageWidth) &&
                 ParseNumber(size.substr(x + 1), options.stageHeight) && options.stageWidth > 0 &&
                 options.stageHeight > 0;
        } else {
            ok = false;
        }
        if (!ok) {
            std::cerr << "bad option " << a << "\n";
            return Usage();
        }
    }
    return Save(args[0], swf::WriteMovie(options)) ? 0 : 1;
}

int Bridge(const std::string& titlePath, const std::string& url, const std::string& out)
{
    const auto info = swf::ReadInfoFromFile(titlePath);
    if (!info) {
        std::cerr << titlePath << ": not a readable movie\n";
        return 1;
    }
    return Save(out, swf::WriteBridge(*info, url)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "info")
        return Info(args[1]);
    if (args.size() >= 2 && args[0] == "movie")
        return Movie({args.begin() + 1, args.end()});
    if (args.size() == 4 && args[0] == "bridge")
        return Bridge(args[1], args[2], args[3]);
    return Usage();
}
