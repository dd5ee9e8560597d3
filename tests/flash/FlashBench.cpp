// Prints how fast the movie control shows a movie and what playing costs:
// LoadMovie to the first painted frame (with a fresh page, then again in the
// same page) and the CPU share of one core while an 800x600 movie plays,
// counting this process and the browser engine's processes. Asserts nothing.
#include "player/ShockwaveFlash.h"
#include "player/swf/Swf.h"

#include "platform/Gbk.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QImage>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kPlayTime = 5s;

struct Movie {
    swf::MovieOptions format;
    std::string path;
};

// utime + stime of a process in clock ticks, and its parent.
struct ProcessTimes {
    long long ticks = 0;
    int parent = 0;
};

bool ReadTimes(int pid, ProcessTimes& times) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(in, stat))
        return false;
    // The command name may contain blanks; the fields after it may not.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 4)
            times.parent = std::stoi(field);
        else if (index == 14)
            utime = std::stoll(field);
        else if (index == 15) {
            stime = std::stoll(field);
            break;
        }
    }
    times.ticks = utime + stime;
    return true;
}

// CPU ticks of this process and all its descendants (the engine's helpers).
long long FamilyTicks() {
    std::map<int, ProcessTimes> all;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        ProcessTimes times;
        if (ReadTimes(std::stoi(name), times))
            all[std::stoi(name)] = times;
    }
    std::set<int> family{getpid()};
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [pid, times] : all)
            if (family.count(times.parent) && family.insert(pid).second)
                grew = true;
    }
    long long ticks = 0;
    for (int pid : family)
        ticks += all[pid].ticks;
    return ticks;
}

bool Shows(CShockwaveFlash& flash, std::uint32_t rgb) {
    return flash.grab().toImage().pixel(2, 2) == (0xFF000000 | rgb);
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Loads the movie and prints when its frame count and its picture arrive.
void TimeLoad(CShockwaveFlash& flash, const Movie& movie, const char* what) {
    const auto start = Clock::now();
    flash.LoadMovie(0, movie.path);
    double toCount = -1, toPicture = -1;
    testsupport::WaitFor(
        [&] {
            if (toCount < 0 && flash.GetTotalFrames() == movie.format.frameCount)
                toCount = MillisecondsSince(start);
            if (toPicture < 0 && Shows(flash, movie.format.backgroundRgb))
                toPicture = MillisecondsSince(start);
            return toCount >= 0 && toPicture >= 0;
        },
        60s);
    std::printf("LoadMovie, %s: frame count after %7.1f ms, first painted frame after %7.1f ms\n",
                what, toCount, toPicture);
}

// Plays the movie for a while and prints the CPU share of one core.
void TimePlayback(CShockwaveFlash& flash, const Movie& movie) {
    flash.LoadMovie(0, movie.path);
    testsupport::WaitFor([&] { return flash.GetTotalFrames() == movie.format.frameCount; }, 60s);
    const long long ticksBefore = FamilyTicks();
    const int firstFrame = flash.CurrentFrame();
    const auto start = Clock::now();
    testsupport::WaitFor([] { return false; }, kPlayTime);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = double(FamilyTicks() - ticksBefore) / double(sysconf(_SC_CLK_TCK)) / seconds;
    std::printf("Playing %dx%d at %2.0f fps: %5.1f%% of a core (%d frames in %.1f s)\n",
                movie.format.stageWidth, movie.format.stageHeight, movie.format.frameRate, cpu * 100,
                flash.CurrentFrame() - firstFrame, seconds);
}

}  // namespace

int main(int argc, char** argv) {
    ConfigureWebEngineProcess();
    QApplication app(argc, argv);
    CShockwaveFlash::SetRuffleFolder(LALORA_PROGRAM_DIR "/ruffle/");

    testsupport::ScratchDir dir;
    const auto movie = [&dir](const char* name, double frameRate, std::uint32_t backgroundRgb) {
        Movie result;
        result.format.stageWidth = 800;
        result.format.stageHeight = 600;
        result.format.frameRate = frameRate;
        result.format.frameCount = 1000;
        result.format.backgroundRgb = backgroundRgb;
        const swf::Bytes bytes = swf::WriteMovie(result.format);
        testsupport::WriteFile(dir.Path() / name, std::string(bytes.begin(), bytes.end()));
        result.path = platform::GbkPath(dir.Path() / name);
        return result;
    };

    QWidget host;
    host.resize(800, 600);
    host.show();
    // The player makes a new control for every title; the first one in a
    // process also starts the engine.
    for (const char* what : {"first control ", "next control  "}) {
        CShockwaveFlash flash;
        if (!flash.CreateControl(&host, QRect(0, 0, 800, 600), 1000)) {
            std::printf("no movie control: player files missing in %s/ruffle\n", LALORA_PROGRAM_DIR);
            return 1;
        }
        TimeLoad(flash, movie("first.swf", 24, 0x3366CC), what);
    }
    CShockwaveFlash flash;
    flash.CreateControl(&host, QRect(0, 0, 800, 600), 1000);
    TimeLoad(flash, movie("first.swf", 24, 0x3366CC), "new control   ");
    TimeLoad(flash, movie("second.swf", 24, 0xCC6633), "same control  ");
    TimePlayback(flash, movie("twelve.swf", 12, 0x3366CC));
    TimePlayback(flash, movie("twentyfour.swf", 24, 0x3366CC));
    return 0;
}
