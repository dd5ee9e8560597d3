#pragma once
// Shared by the shell tests: a link-list server, boxes and menus seen through
// the hooks, catalogues built by the catalogue tool.
#include "platform/MessageBox.h"

#include <httplib.h>

#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace shelltest {

// Serves "/ada.html" on 127.0.0.1:port with whatever body the test sets.
class LinkListServer {
public:
    explicit LinkListServer(int port);
    ~LinkListServer();
    void SetBody(std::string body, int status = 200);
    int Hits() const;

private:
    httplib::Server m_server;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::string m_body;
    int m_status = 200;
    int m_hits = 0;
};

// Held by each in-process test: they share the INI files beside the test
// program and the test port, so copies run side by side take turns.
class SharedFilesLock {
public:
    SharedFilesLock();
    ~SharedFilesLock();
    SharedFilesLock(const SharedFilesLock&) = delete;
    SharedFilesLock& operator=(const SharedFilesLock&) = delete;

private:
    int m_fd;
};

// Every message box shown while it lives, answered with `answer`.
class BoxRecorder {
public:
    explicit BoxRecorder(int answer = platform::IDOK);
    ~BoxRecorder();
    std::vector<platform::MessageBoxCall> boxes;
    int answer;
};

// Builds an encrypted catalogue at `out` from source lines (UTF-8).
void BuildCatalogue(const std::string& sourceLines, const std::filesystem::path& out);

// A link list document with `count` entries "T<i>" → "http://example.test/<i>".
std::string LinkList(int count);

}  // namespace shelltest
