// The program takes no command-line options and reads no environment
// variables of its own; Qt sees only the program name.
#include "PlayerApp.h"

#include "player/ShockwaveFlash.h"

#include <QApplication>

int main(int /*argc*/, char** argv) {
    // The embedded browser's process-wide settings exist only before the
    // application object does.
    ConfigureWebEngineProcess();
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    // Windows come and go before the main window exists (the data-fault boxes);
    // the end of the main window's run ends the program, nothing else.
    QApplication::setQuitOnLastWindowClosed(false);

    CPlayerApp theApp;
    theApp.InitInstance();
    return theApp.ExitInstance();
}
