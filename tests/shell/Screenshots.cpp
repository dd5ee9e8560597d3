// Starts the real program on the X display (DISPLAY, e.g. under xvfb-run):
// saves pictures of the main window at its default size and maximised, with
// the default colours and with hue 136 and a texture, and measures the time
// from process start to the main window on screen.
//   shell_screenshots [output folder]
#include "ProcessSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace shelltest;

namespace {

constexpr const char* kMainTitle = "Lalora-Vantri";

struct Shown {
    std::unique_ptr<QProcess> process;
    QString window;
    double milliseconds = -1;
};

Shown StartAndWait(const ProgramFolder& folder) {
    Shown shown;
    const auto start = std::chrono::steady_clock::now();
    shown.process = folder.Start();
    testsupport::WaitFor(
        [&] {
            shown.window = VisibleWindows(shown.process->processId(), kMainTitle).section('\n', 0, 0);
            return !shown.window.isEmpty();
        },
        std::chrono::seconds(30));
    if (!shown.window.isEmpty())
        shown.milliseconds =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return shown;
}

void Stop(Shown& shown) {
    shown.process->kill();
    shown.process->waitForFinished(5000);
}

void Capture(const QString& window, const QString& file) {
    QThread::msleep(400);  // let the first paint and the start-up timer settle
    QProcess::execute(QStringLiteral("import"), {"-window", window, file});
    std::printf("  %s\n", qPrintable(file));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "needs an X display (xvfb-run)\n");
        return 1;
    }
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QDir::temp().filePath(QStringLiteral("lalora-shots"));
    QDir().mkpath(out);

    const struct {
        const char* name;
        const char* catalogue;
    } variants[] = {
        {"default", kDefaultCatalogue},
        {"hue136", "class: 11 | 1 | songs\nskin: 136 | 0 | 0 | item.texture.11 | theme | \n"},
    };
    std::printf("screenshots in %s\n", qPrintable(out));
    for (const auto& variant : variants) {
        ProgramFolder folder("lalora", std::string(variant.catalogue));
        Shown shown = StartAndWait(folder);
        if (shown.window.isEmpty()) {
            std::fprintf(stderr, "the main window never showed\n");
            return 1;
        }
        Capture(shown.window, out + "/" + variant.name + "-default.png");
        // A double click on the top strip maximises.
        Xdotool({"mousemove", "--window", shown.window, "200", "12", "click", "--repeat", "2",
                 "--delay", "80", "1"});
        Capture(shown.window, out + "/" + variant.name + "-maximised.png");
        Stop(shown);
    }

    ProgramFolder folder("lalora");
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        Shown shown = StartAndWait(folder);
        times.push_back(shown.milliseconds);
        Stop(shown);
        testsupport::WaitFor([&] {
            return Xdotool({"search", "--pid", QString::number(shown.process->processId())}).isEmpty();
        });
    }
    std::printf("process start -> main window shown (ms):");
    for (double t : times)
        std::printf(" %.0f", t);
    std::sort(times.begin(), times.end());
    std::printf("; median %.0f\n", times[times.size() / 2]);
    return 0;
}
