#include "ProcessSupport.h"

#include "ShellTestSupport.h"

#include <QProcessEnvironment>

namespace shelltest {

QString Xdotool(const QStringList& arguments) {
    QProcess xdo;
    xdo.start(QStringLiteral("xdotool"), arguments);
    xdo.waitForFinished(5000);
    return QString::fromUtf8(xdo.readAllStandardOutput()).trimmed();
}

QString VisibleWindows(qint64 pid, const char* title) {
    return Xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(pid), "--name",
                    QString::fromLatin1(title)});
}

ProgramFolder::ProgramFolder(const std::string& name, std::optional<std::string> catalogueSource) {
    const auto& dir = m_dir.Path();
    const std::filesystem::path program = std::filesystem::path(LALORA_EXECUTABLE).parent_path();
    m_executable = dir / name;
    std::filesystem::copy_file(LALORA_EXECUTABLE, m_executable);
    if (std::filesystem::exists(program / "Themes"))
        std::filesystem::create_directory_symlink(program / "Themes", dir / "Themes");
    if (catalogueSource)
        BuildCatalogue(*catalogueSource, dir / "VantriBB.dat");
    std::filesystem::create_directory(dir / "cache");
    testsupport::WriteFile(dir / "Vantri.ini",
                           "[VIEDO]\r\nViedoPath=" + (dir / "cache").string() + "\r\n");
    const std::string server = "http://127.0.0.1:" + std::to_string(SHELL_TEST_PORT);
    testsupport::WriteFile(dir / "Lalora.ini",
                           "[Lalora]\nWebSite=" + server + "\nWebServer=" + server + "\n");
}

std::unique_ptr<QProcess> ProgramFolder::Start() const {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(QString::fromStdString(m_dir.Path().string()));
    process->start(QString::fromStdString(m_executable.string()), {});
    process->waitForStarted(5000);
    return process;
}

}  // namespace shelltest
