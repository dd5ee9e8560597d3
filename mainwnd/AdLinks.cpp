#include "AdLinks.h"

#include "external/qoxml/Markup.h"

std::deque<AdLink> ParseAdLinks(const std::string& document) {
    std::deque<AdLink> links;
    CMarkup markup;
    if (!markup.LoadXML(document))
        return links;
    markup.ResetMainPos();
    if (!markup.FindElem())
        return links;
    while (links.size() < kMaxAdLinks && markup.FindChildElem("File")) {
        AdLink link{markup.GetChildAttrib("Text"), markup.GetChildAttrib("Url")};
        if (link.strText.size() <= kMaxAdAttribute && link.strUrl.size() <= kMaxAdAttribute)
            links.push_back(std::move(link));
    }
    return links;
}
