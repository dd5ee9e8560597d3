#pragma once
// Where the program's files are: its own folder and the catalogue's folder.
#include <string>

class CQoPfcSystem {
public:
    // The program's folder, ending with '/'.
    std::string GetExePath() const;
    // The catalogue's folder, ending with '/': the configured data folder, else
    // the program's folder. The user name plays no part (it is always empty).
    std::string GetDbPath(const std::string& userId) const;
};
