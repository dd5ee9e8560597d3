#pragma once
// The application: one instance per executable name, the skin engine, the
// catalogue check and the saved colours, then the main window's modal run.

class CPlayerApp {
public:
    // Always false: when it returns the process ends (there is no loop of its own).
    bool InitInstance();
    int ExitInstance();
};
