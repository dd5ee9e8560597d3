#pragma once
// The readable catalogue source: UTF-8 text, one record a line,
//   kind: field | field | ...
// with '#' comments and blank lines. Kinds and fields:
//   class:          number | type (1-4) | name
//   title:          file id | class number | name [| clicks [| time]]
//   cartoon-class:  number | name
//   cartoon:        class number | name | address
//   favourite:      file id | time | clicks | user
//   played:         file id | time | clicks | user
//   skin:           hue | saturation | brightness | texture | theme | user
// A field "\N" is SQL NULL. Text is stored as GBK.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace catalogue {

// One value of a row: an integer, a text (GBK) or NULL.
struct Value {
    enum class Kind { Null, Integer, Text } kind = Kind::Null;
    long long integer = 0;
    std::string text;
};

struct Record {
    std::string kind;           // as in the source
    std::vector<Value> values;  // in the insert's parameter order
};

class SourceError : public std::runtime_error {
public:
    SourceError(int line, const std::string& what)
        : std::runtime_error("line " + std::to_string(line) + ": " + what) {}
};

// Throws SourceError naming the first bad line.
std::vector<Record> ParseSource(const std::string& utf8Text);

}  // namespace catalogue
