// Writes pictures of the player panel playing a generated movie (normal and
// full screen) and prints where; not part of the test run.
#include "player/DlgPlayer.h"
#include "player/ShockwaveFlash.h"
#include "player/swf/Swf.h"

#include "platform/Gbk.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    ConfigureWebEngineProcess();
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QDir::tempPath() + QStringLiteral("/lalora-player-shots");
    QDir().mkpath(folder);
    CShockwaveFlash::SetRuffleFolder(LALORA_PROGRAM_DIR "/ruffle/");

    testsupport::ScratchDir dir;
    swf::MovieOptions options;
    options.frameCount = 120;
    options.frameRate = 24;
    options.stageWidth = 640;
    options.stageHeight = 480;
    options.backgroundRgb = 0xFFF4D6;
    const swf::Bytes movie = swf::WriteMovie(options);
    const std::string path = dir.ProgramPath() + "小星星.swf";
    testsupport::WriteFile(platform::FsPath(path), std::string(movie.begin(), movie.end()));

    QWidget main;
    main.resize(821, 700);
    main.show();
    CDlgPlayer player;
    player.Create(&main);
    player.setGeometry(207, 106, 821 - 209, 700 - 137);
    player.PlayFile(path);
    testsupport::WaitFor([&] { return player.Flash()->CurrentFrame() > 30; },
                         std::chrono::seconds(30));
    player.grab().save(folder + QStringLiteral("/player.png"));
    player.ToggleFullScreen();
    testsupport::WaitFor([&] { return player.Flash()->CurrentFrame() > 60; },
                         std::chrono::seconds(10));
    player.grab().save(folder + QStringLiteral("/player-full.png"));
    std::printf("%s\n", folder.toLocal8Bit().constData());
    player.DestroyWindow();
    return 0;
}
