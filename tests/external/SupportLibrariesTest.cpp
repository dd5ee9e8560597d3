// The support libraries: address encoding, the page fetch and the XML walker.
#include "external/qocode/QocodeApp.h"
#include "external/qospider/QospiderApp.h"
#include "external/qoxml/Markup.h"

#include <httplib.h>
#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(QocodeApp, DownloadAddressesCarryTheTitlesGbkBytesPercentEncoded) {
    const CQocodeApp code;
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"http://down.example/zarave/fla/小星星.swf",
         "http://down.example/zarave/fla/%D0%A1%D0%C7%D0%C7.swf"},
        {"http://down.example/zarave/fla/ABC Song.swf",
         "http://down.example/zarave/fla/ABC%20Song.swf"},
        {"http://down.example/zarave/fla/100%?#.swf",
         "http://down.example/zarave/fla/100%25%3F%23.swf"},
        {"http://down.example/zarave/fla/../etc/passwd.swf",
         "http://down.example/zarave/fla/%2E%2E/etc/passwd.swf"},
        {"http://down.example:8080/zarave/fla/Tom's.swf",
         "http://down.example:8080/zarave/fla/Tom's.swf"},
        {"http://down.example", "http://down.example"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(code.EncodeAddress(c.in), c.out);
    EXPECT_EQ(code.PathEncode("/缓存/VantriBB.dat"), "/\xE7\xBC\x93\xE5\xAD\x98/VantriBB.dat");
}

class QospiderAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.Get("/ada.html", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("<List><File Text=\"a\" Url=\"http://x/\"/></List>", "text/xml");
        });
        server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("not here", "text/plain");
        });
        server.Get("/broken", [](const httplib::Request&, httplib::Response& res) {
            res.status = 500;
            res.set_content("oops", "text/plain");
        });
        server.Get("/huge", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string(CQospiderApp::kMaxBodyBytes + 1, 'x'), "text/plain");
        });
        server.Get("/slow", [this](const httplib::Request&, httplib::Response& res) {
            std::unique_lock lock(mutex);
            released.wait_for(lock, std::chrono::seconds(5), [this] { return release; });
            res.set_content("late", "text/plain");
        });
        server.Get("/redirect", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/ada.html");
        });
        port = server.bind_to_any_port("127.0.0.1");
        // Bound already: connections wait in the backlog until the loop runs.
        thread = std::thread([this] { server.listen_after_bind(); });
    }
    void TearDown() override {
        {
            std::lock_guard lock(mutex);
            release = true;
        }
        released.notify_all();
        server.stop();
        thread.join();
    }
    std::string Url(const char* path) const {
        return "http://127.0.0.1:" + std::to_string(port) + path;
    }

    httplib::Server server;
    std::thread thread;
    int port = 0;
    std::mutex mutex;
    std::condition_variable released;
    bool release = false;
};

TEST_F(QospiderAppTest, BodyOnSuccessEmptyOnEveryFailure) {
    EXPECT_EQ(CQospiderApp().FetchPage(Url("/ada.html")),
              "<List><File Text=\"a\" Url=\"http://x/\"/></List>");
    EXPECT_EQ(CQospiderApp().FetchPage(Url("/redirect")).substr(0, 6), "<List>");
    for (const char* path : {"/missing", "/broken", "/huge"})
        EXPECT_EQ(CQospiderApp().FetchPage(Url(path)), "") << path;
    EXPECT_EQ(CQospiderApp(1).FetchPage(Url("/slow")), "");
    EXPECT_EQ(CQospiderApp().FetchPage("http://127.0.0.1:1/refused"), "");
    EXPECT_EQ(CQospiderApp().FetchPage("file:///etc/passwd"), "");
    EXPECT_EQ(CQospiderApp().FetchPage(""), "");
}

TEST(Markup, WalksTheLinkList) {
    CMarkup xml;
    ASSERT_TRUE(xml.LoadXML("<?xml version=\"1.0\" encoding=\"gb2312\"?>\n<!-- links -->\n"
                            "<Links><File Text=\"儿歌大全\" Url=\"http://a/\"/>"
                            "<Other Text=\"skip\"/><File Url=\"http://b/\"/>"
                            "<File Text=\"c\"><File Text=\"nested\"/></File></Links>"));
    xml.ResetMainPos();
    ASSERT_TRUE(xml.FindElem());
    std::vector<std::pair<std::string, std::string>> links;
    while (xml.FindChildElem("File") && links.size() < 10)
        links.emplace_back(xml.GetChildAttrib("Text"), xml.GetChildAttrib("Url"));
    EXPECT_EQ(links, (std::vector<std::pair<std::string, std::string>>{
                         {"儿歌大全", "http://a/"}, {"", "http://b/"}, {"c", ""}}));
    EXPECT_FALSE(xml.FindElem());
}

TEST(Markup, BrokenOrEmptyDocumentsYieldNothing) {
    for (const char* text : {"", "not xml at all", "<a><File Text=\"x\"></a>", "<html><body>",
                             "<?xml version=\"1.0\"?>"}) {
        CMarkup xml;
        EXPECT_FALSE(xml.LoadXML(text) && xml.FindElem() && xml.FindChildElem("File")) << text;
        EXPECT_EQ(xml.GetChildAttrib("Text"), "");
    }
}

}  // namespace
