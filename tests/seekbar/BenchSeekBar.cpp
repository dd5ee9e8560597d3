// Prints the cost of one seek bar draw (both bitmaps decoded, tinted, composed
// off-screen and copied), at the player's settings.
#include "player/XScrollBar.h"

#include <QApplication>
#include <QLabel>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QWidget panel;
    panel.resize(810, 100);
    auto* placeholder = new QLabel(&panel);
    placeholder->setGeometry(5, 60, 800, 7);

    CXScrollBar bar;
    if (!bar.CreateFromPlaceholder(CXScrollBar::kStyleVisible, &panel, placeholder, 1018)) {
        std::fprintf(stderr, "the seek bar could not be created\n");
        return 1;
    }
    bar.SetRange(0, 1000, true);
    bar.m_clrThumb = RGB(198, 97, 239);
    bar.m_bTintThumb = true;
    bar.SetTrackWidth(800);

    constexpr int kCalls = 20000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCalls; ++i) {
        bar.m_pos = i % 1001;
        bar.ThumbFromPos();  // positions the thumb and runs DrawBar
    }
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    std::printf("DrawBar, 800-pixel track, tinted: %.2f us per call (%d calls)\n",
                elapsed.count() / kCalls, kCalls);
    return 0;
}
