#include "ShellTestSupport.h"

#include "platform/FileSystem.h"
#include "tests/support/TestSupport.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace shelltest {

LinkListServer::LinkListServer(int port) {
    m_server.Get("/ada.html", [this](const httplib::Request&, httplib::Response& response) {
        std::lock_guard lock(m_mutex);
        ++m_hits;
        response.status = m_status;
        response.set_content(m_body, "text/html");
    });
    // Tests running side by side share the port: wait for it, for a while.
    const auto bindDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!m_server.bind_to_port("127.0.0.1", port)) {
        if (std::chrono::steady_clock::now() >= bindDeadline)
            throw std::runtime_error("the link-list test port stays taken");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!m_server.is_running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
}

LinkListServer::~LinkListServer() {
    m_server.stop();
    m_thread.join();
}

void LinkListServer::SetBody(std::string body, int status) {
    std::lock_guard lock(m_mutex);
    m_body = std::move(body);
    m_status = status;
}

int LinkListServer::Hits() const {
    std::lock_guard lock(m_mutex);
    return m_hits;
}

SharedFilesLock::SharedFilesLock()
    : m_fd(::open((platform::ExecutableFolder() + "shell-test.lock").c_str(), O_CREAT | O_RDWR, 0644)) {
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_EX);
}

SharedFilesLock::~SharedFilesLock() {
    if (m_fd >= 0)
        ::close(m_fd);  // releases the lock
}

BoxRecorder::BoxRecorder(int answer) : answer(answer) {
    platform::SetMessageBoxHook([this](const platform::MessageBoxCall& call) {
        boxes.push_back(call);
        return this->answer;
    });
}

BoxRecorder::~BoxRecorder() {
    platform::SetMessageBoxHook({});
}

void BuildCatalogue(const std::string& sourceLines, const std::filesystem::path& out) {
    const auto source = out.parent_path() / (out.filename().string() + ".txt");
    std::filesystem::create_directories(out.parent_path());
    testsupport::WriteFile(source, sourceLines);
    const std::string command = std::string("'") + LALORA_CATALOGUE_TOOL + "' build '" +
                                source.string() + "' '" + out.string() + "' >/dev/null";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("the catalogue tool failed");
    std::filesystem::remove(source);
}

std::string LinkList(int count) {
    std::string xml = "<?xml version=\"1.0\"?><list>";
    for (int i = 0; i < count; ++i)
        xml += "<File Text=\"T" + std::to_string(i) + "\" Url=\"http://example.test/" +
               std::to_string(i) + "\"/>";
    return xml + "</list>";
}

}  // namespace shelltest
