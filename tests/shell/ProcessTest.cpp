// Two real program processes on the X display (DISPLAY): the single-instance
// mark, and the start-up's end on a missing catalogue. Windows are observed
// and answered with xdotool.
#include "ProcessSupport.h"

#include "tests/support/TestSupport.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace shelltest;

namespace {

constexpr const char* kMainTitle = "Lalora-Vantri";
constexpr const char* kBoxTitle = "Vantri.Lalora";

// Each test names its copies apart, so that tests running side by side never
// see each other's instance marks.
class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "needs xdotool";
    }

    static ::testing::AssertionResult WaitForWindow(QProcess& process, const char* title,
                                                    bool visible = true) {
        const qint64 pid = process.processId();
        if (testsupport::WaitFor([&] { return VisibleWindows(pid, title).isEmpty() != visible; },
                                 std::chrono::seconds(20)))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << title << (visible ? " never shown" : " never hidden") << "; process state "
               << process.state() << ", exit code " << process.exitCode() << ", output "
               << process.readAllStandardError().toStdString();
    }

    // Kills the program and waits until the X server has taken its windows
    // away, so that the next start cannot find a dead instance's mark.
    static void Stop(QProcess& process) {
        const qint64 pid = process.processId();
        process.kill();
        process.waitForFinished(5000);
        EXPECT_TRUE(testsupport::WaitFor(
            [pid] { return Xdotool({"search", "--pid", QString::number(pid)}).isEmpty(); },
            std::chrono::seconds(10)));
    }
};

}  // namespace

TEST_F(ProcessTest, SecondStartBringsBackTheFirstWindowAndEnds) {
    ProgramFolder folder("lalora-raise");
    auto first = folder.Start();
    ASSERT_TRUE(WaitForWindow(*first, kMainTitle));

    const QString window = VisibleWindows(first->processId(), kMainTitle);
    Xdotool({"windowunmap", "--sync", window});
    ASSERT_TRUE(WaitForWindow(*first, kMainTitle, false));

    auto second = folder.Start();
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(WaitForWindow(*first, kMainTitle));
    EXPECT_EQ(first->state(), QProcess::Running);
    Stop(*first);
}

TEST_F(ProcessTest, CopiesUnderOtherNamesDoNotSeeEachOther) {
    ProgramFolder one("lalora-one");
    ProgramFolder other("lalora-other");
    auto first = one.Start();
    ASSERT_TRUE(WaitForWindow(*first, kMainTitle));
    auto second = other.Start();
    EXPECT_TRUE(WaitForWindow(*second, kMainTitle));
    EXPECT_EQ(second->state(), QProcess::Running);
    Stop(*second);
    Stop(*first);
}

TEST_F(ProcessTest, MissingCatalogueShowsCode1002AndEndsWithoutMainWindow) {
    ProgramFolder folder("lalora-nodata", std::nullopt);
    auto program = folder.Start();
    ASSERT_TRUE(WaitForWindow(*program, kBoxTitle));
    EXPECT_TRUE(VisibleWindows(program->processId(), kMainTitle).isEmpty());
    const QString box = VisibleWindows(program->processId(), kBoxTitle);
    Xdotool({"windowfocus", "--sync", box});
    Xdotool({"key", "--window", box, "Return"});
    EXPECT_TRUE(program->waitForFinished(20000));
    EXPECT_EQ(program->exitCode(), 0);
    if (program->state() != QProcess::NotRunning)
        Stop(*program);
}
