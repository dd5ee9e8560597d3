#pragma once
// Running copies of the program on the X display and looking at their
// windows with xdotool.
#include "tests/support/TestSupport.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace shelltest {

QString Xdotool(const QStringList& arguments);
// Mapped windows of the process with this title (ids, one a line).
QString VisibleWindows(qint64 pid, const char* title);

inline constexpr const char* kDefaultCatalogue = "class: 11 | 1 | songs\n";

class ProgramFolder {
public:
    // The executable under `name`, the skin packages, a catalogue from
    // `catalogueSource` (none without one), the cache folder setting and
    // server addresses on 127.0.0.1.
    explicit ProgramFolder(const std::string& name,
                           std::optional<std::string> catalogueSource = kDefaultCatalogue);
    std::unique_ptr<QProcess> Start() const;
    const std::filesystem::path& Path() const { return m_dir.Path(); }

private:
    testsupport::ScratchDir m_dir;
    std::filesystem::path m_executable;
};

}  // namespace shelltest
