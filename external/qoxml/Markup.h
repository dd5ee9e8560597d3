#pragma once
// A small XML document walker: a main position at one level and a child
// position under it. Bytes are kept as they come (the server sends GBK).
#include <pugixml.hpp>

#include <string>

class CMarkup {
public:
    // False for anything that is not well-formed XML; the document is then empty.
    bool LoadXML(const std::string& text);

    // Back to before the document's first element.
    void ResetMainPos();
    // The same, and forget the child position.
    void ResetPos();

    // The next element at the main level (named `name`, or any without one).
    bool FindElem(const char* name = nullptr);
    // The next child of the main element named `name` (any without one).
    bool FindChildElem(const char* name = nullptr);
    // An attribute of the current child element; "" when absent.
    std::string GetChildAttrib(const char* name) const;

private:
    static bool Matches(const pugi::xml_node& node, const char* name);

    pugi::xml_document m_doc;
    pugi::xml_node m_parent;  // the level the main position walks
    pugi::xml_node m_main;
    pugi::xml_node m_child;
};
