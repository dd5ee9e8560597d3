#pragma once
// The rotating link list of the status line: an XML document whose root
// element has "File" children with the attributes "Text" and "Url".
#include <cstddef>
#include <deque>
#include <string>

struct AdLink {
    std::string strText;
    std::string strUrl;
};

// A list from a misbehaving server must not grow without bound: at most this
// many entries are read, and an entry with a longer attribute is skipped.
inline constexpr std::size_t kMaxAdLinks = 1000;
inline constexpr std::size_t kMaxAdAttribute = 2048;

// The entries in document order; none for anything that is not such a document.
std::deque<AdLink> ParseAdLinks(const std::string& document);
