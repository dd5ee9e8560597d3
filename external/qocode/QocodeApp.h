#pragma once
// String encodings at the program's borders.
#include <string>

class CQocodeApp {
public:
    // A program (GBK) path as SQLite opens it: UTF-8.
    std::string PathEncode(std::string path) const;

    // A download address as the server is asked for it: the path's GBK bytes
    // and every character that would change the address's meaning are
    // percent-encoded; dot segments are encoded so a title cannot climb out of
    // its folder. Scheme and host stay as they are.
    std::string EncodeAddress(std::string address) const;
};
