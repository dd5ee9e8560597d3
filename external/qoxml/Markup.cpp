#include "Markup.h"

#include <cstring>

bool CMarkup::LoadXML(const std::string& text) {
    const auto result =
        m_doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result)
        m_doc.reset();
    ResetPos();
    return static_cast<bool>(result);
}

void CMarkup::ResetMainPos() {
    m_parent = m_doc;
    m_main = pugi::xml_node();
    m_child = pugi::xml_node();
}

void CMarkup::ResetPos() {
    ResetMainPos();
}

bool CMarkup::Matches(const pugi::xml_node& node, const char* name) {
    return node.type() == pugi::node_element &&
           (name == nullptr || *name == '\0' || std::strcmp(node.name(), name) == 0);
}

bool CMarkup::FindElem(const char* name) {
    pugi::xml_node node = m_main ? m_main.next_sibling() : m_parent.first_child();
    for (; node; node = node.next_sibling()) {
        if (Matches(node, name)) {
            m_main = node;
            m_child = pugi::xml_node();
            return true;
        }
    }
    return false;
}

bool CMarkup::FindChildElem(const char* name) {
    if (!m_main)
        return false;
    pugi::xml_node node = m_child ? m_child.next_sibling() : m_main.first_child();
    for (; node; node = node.next_sibling()) {
        if (Matches(node, name)) {
            m_child = node;
            return true;
        }
    }
    return false;
}

std::string CMarkup::GetChildAttrib(const char* name) const {
    if (!m_child || name == nullptr)
        return {};
    return m_child.attribute(name).value();
}
