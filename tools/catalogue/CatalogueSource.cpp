#include "CatalogueSource.h"

#include "platform/Gbk.h"

#include <charconv>
#include <map>
#include <sstream>
#include <string_view>

namespace catalogue {
namespace {

enum class Field { Integer, Text };

struct KindShape {
    std::vector<Field> required;
    std::vector<Field> optional;
    std::vector<Value> optionalDefaults;
};

const std::map<std::string, KindShape, std::less<>>& Shapes() {
    using F = Field;
    static const std::map<std::string, KindShape, std::less<>> shapes{
        {"class", {{F::Integer, F::Integer, F::Text}, {}, {}}},
        {"title",
         {{F::Integer, F::Integer, F::Text},
          {F::Integer, F::Text},
          {Value{Value::Kind::Integer, 0, {}}, Value{Value::Kind::Text, 0, "2011-01-01 00:00:00"}}}},
        {"cartoon-class", {{F::Integer, F::Text}, {}, {}}},
        {"cartoon", {{F::Integer, F::Text, F::Text}, {}, {}}},
        {"favourite", {{F::Integer, F::Text, F::Integer, F::Text}, {}, {}}},
        {"played", {{F::Integer, F::Text, F::Integer, F::Text}, {}, {}}},
        {"skin", {{F::Integer, F::Integer, F::Integer, F::Text, F::Text, F::Text}, {}, {}}},
    };
    return shapes;
}

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    while (true) {
        const auto bar = text.find('|');
        fields.push_back(Trim(text.substr(0, bar)));
        if (bar == std::string_view::npos)
            return fields;
        text.remove_prefix(bar + 1);
    }
}

Value ParseValue(std::string_view field, Field type, int line) {
    if (field == "\\N")
        return Value{};
    if (type == Field::Text)
        return Value{Value::Kind::Text, 0, platform::Utf8ToGbk(field)};
    long long number = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), number);
    if (ec != std::errc() || end != field.data() + field.size())
        throw SourceError(line, "not a whole number: \"" + std::string(field) + "\"");
    return Value{Value::Kind::Integer, number, {}};
}

}  // namespace

std::vector<Record> ParseSource(const std::string& utf8Text) {
    std::vector<Record> records;
    std::istringstream in(utf8Text);
    std::string rawLine;
    int line = 0;
    while (std::getline(in, rawLine)) {
        ++line;
        std::string_view text = Trim(rawLine);
        if (line == 1 && text.substr(0, 3) == "\xEF\xBB\xBF")
            text = Trim(text.substr(3));
        if (text.empty() || text.front() == '#')
            continue;
        const auto colon = text.find(':');
        if (colon == std::string_view::npos)
            throw SourceError(line, "expected \"kind: fields\"");
        const std::string_view kind = Trim(text.substr(0, colon));
        const auto shape = Shapes().find(kind);
        if (shape == Shapes().end())
            throw SourceError(line, "unknown kind \"" + std::string(kind) + "\"");
        const auto fields = SplitFields(text.substr(colon + 1));
        const auto& required = shape->second.required;
        const auto& optional = shape->second.optional;
        if (fields.size() < required.size() || fields.size() > required.size() + optional.size())
            throw SourceError(line, "wrong number of fields for \"" + std::string(kind) + "\"");
        Record record{std::string(kind), {}};
        for (std::size_t i = 0; i < required.size() + optional.size(); ++i) {
            const bool present = i < fields.size();
            const Field type = i < required.size() ? required[i] : optional[i - required.size()];
            record.values.push_back(present ? ParseValue(fields[i], type, line)
                                            : shape->second.optionalDefaults[i - required.size()]);
        }
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace catalogue
