#include "ShockwaveFlash.h"

#include "platform/FileSystem.h"
#include "platform/Gbk.h"
#include "player/swf/Swf.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

#include <filesystem>
#include <optional>

namespace {

constexpr int kCommandTimeoutMs = 2000;
// Commands kept while a movie loads; only the latest ones matter.
constexpr std::size_t kMaxQueued = 8;
const QString kMessagePrefix = QStringLiteral("lalora:");

std::string& RuffleFolder() {
    static std::string folder = platform::ExecutableFolder() + "ruffle/";
    return folder;
}

// A call of a page function with the given arguments, spread from a JSON array.
QString PageCall(const char* function, const QJsonArray& arguments) {
    return QStringLiteral("lalora.%1(...%2)")
        .arg(QLatin1String(function),
             QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact)));
}

QWebEngineProfile* MovieProfile() {
    // Off the record: the movies leave no cache or cookies behind.
    static QWebEngineProfile* profile = new QWebEngineProfile(QCoreApplication::instance());
    return profile;
}

}  // namespace

// The page that reports to the control through console messages.
class RufflePage : public QWebEnginePage {
    Q_OBJECT

public:
    using QWebEnginePage::QWebEnginePage;

signals:
    void MessageArrived(const QString& json);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                  const QString&) override {
        if (message.startsWith(kMessagePrefix))
            emit MessageArrived(message.mid(kMessagePrefix.size()));
    }
};

void ConfigureWebEngineProcess() {
    QStringList flags = QString::fromLocal8Bit(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"))
                            .split(' ', Qt::SkipEmptyParts);
    const auto add = [&flags](const QString& flag) {
        if (!flags.contains(flag))
            flags << flag;
    };
    // Chromium refuses to start its sandbox as root.
    if (geteuid() == 0)
        add("--no-sandbox");
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    const bool headless = platformName == "offscreen" || platformName == "minimal" ||
                          (qEnvironmentVariableIsEmpty("DISPLAY") &&
                           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    if (headless)
        add("--disable-gpu");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(' ').toLocal8Bit());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

CShockwaveFlash::CShockwaveFlash() = default;

CShockwaveFlash::~CShockwaveFlash() {
    *m_alive = false;
}

void CShockwaveFlash::SetRuffleFolder(const std::string& gbkFolder) {
    RuffleFolder() = gbkFolder.empty() || gbkFolder.back() == '/' ? gbkFolder : gbkFolder + "/";
}

bool CShockwaveFlash::CreateControl(QWidget* parent, const QRect& rect, int id) {
    if (m_view || !platform::FindFile(RuffleFolder() + "player.html"))
        return false;
    auto bridgeDir = std::make_unique<QTemporaryDir>();
    if (!bridgeDir->isValid())
        return false;
    m_bridgeDir = std::move(bridgeDir);
    m_controlId = id;
    setParent(parent);
    setGeometry(rect);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebEngineView(this);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_page = new RufflePage(MovieProfile(), m_view);
    QWebEngineSettings* settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    settings->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    m_page->setBackgroundColor(Qt::black);
    m_view->setPage(m_page);
    layout->addWidget(m_view);

    connect(m_page, &RufflePage::MessageArrived, this, &CShockwaveFlash::OnPageMessage);
    connect(m_page, &QWebEnginePage::loadFinished, this, &CShockwaveFlash::OnPageLoaded);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, [this] {
        m_pageBroken = true;
        m_pageLoaded = false;
        MarkFailed();
    });
    LoadPage();
    show();
    return true;
}

void CShockwaveFlash::LoadPage() {
    m_pageBroken = false;
    m_pageLoaded = false;
    m_page->load(QUrl::fromLocalFile(platform::GbkToQString(RuffleFolder() + "player.html")));
}

int CShockwaveFlash::GetTotalFrames() const {
    return m_view && m_state.ready ? m_state.total : FRAME_UNKNOWN;
}

int CShockwaveFlash::CurrentFrame() const {
    return m_state.current;
}

void CShockwaveFlash::LoadMovie(int layer, const std::string& gbkPath) {
    // Only the base layer exists here; a movie always replaces the one before.
    if (layer != 0 || !m_view)
        return;
    ++m_generation;
    m_state = {};
    m_queued.clear();
    m_pendingBridgeUrl.clear();
    bool prepared = false;
    try {
        prepared = PrepareBridge(gbkPath);
    } catch (const std::exception&) {
        // A path or title the bridge cannot carry plays nothing, like an
        // unreadable file.
    }
    if (!prepared) {
        // Whatever played before must not go on under an unknown frame count.
        if (m_pageLoaded)
            m_page->runJavaScript(PageCall("clear", {m_generation}));
        return;
    }
    if (m_pageBroken)
        LoadPage();
    else if (m_pageLoaded)
        StartPendingMovie();
}

bool CShockwaveFlash::PrepareBridge(const std::string& gbkPath) {
    const std::filesystem::path titlePath = std::filesystem::absolute(platform::FsPath(gbkPath));
    const std::optional<swf::SwfInfo> info = swf::ReadInfoFromFile(titlePath.string());
    if (!info)
        return false;
    const QString titleUrl =
        QUrl::fromLocalFile(QString::fromStdString(titlePath.string())).toString(QUrl::FullyEncoded);
    const swf::Bytes bridge = swf::WriteBridge(*info, titleUrl.toStdString());

    // A new name for every movie, so that no cached bridge answers for it.
    const QString bridgePath =
        m_bridgeDir->filePath(QStringLiteral("bridge-%1.swf").arg(m_generation));
    QFile::remove(m_bridgeDir->filePath(QStringLiteral("bridge-%1.swf").arg(m_generation - 1)));
    QFile file(bridgePath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bridge.data()), qint64(bridge.size())) !=
            qint64(bridge.size()))
        return false;
    m_pendingBridgeUrl = QUrl::fromLocalFile(bridgePath).toString(QUrl::FullyEncoded);
    return true;
}

void CShockwaveFlash::OnPageLoaded(bool ok) {
    m_pageLoaded = ok;
    m_pageBroken = !ok;
    if (ok)
        StartPendingMovie();
}

void CShockwaveFlash::StartPendingMovie() {
    if (m_pendingBridgeUrl.isEmpty())
        return;
    m_page->runJavaScript(PageCall("load", {m_generation, m_pendingBridgeUrl}));
    m_pendingBridgeUrl.clear();
}

void CShockwaveFlash::OnPageMessage(const QString& json) {
    const QJsonObject message = QJsonDocument::fromJson(json.toUtf8()).object();
    const QString type = message.value("type").toString();
    if (type == "dblclick") {
        emit DoubleClicked();
        return;
    }
    if (message.value("gen").toInt() != m_generation)
        return;
    if (type == "ready") {
        m_state.ready = true;
    } else if (type == "state") {
        ApplyAnswer(message.toVariantMap());
    } else if (type == "error") {
        MarkFailed();
    }
}

void CShockwaveFlash::MarkFailed() {
    // The frame shown last stays the current frame.
    m_state.ready = false;
    m_state.failed = true;
    m_state.total = FRAME_UNKNOWN;
}

void CShockwaveFlash::ApplyAnswer(const QVariant& answer) {
    const QVariantMap values = answer.toMap();
    const long long seq = values.value("seq").toLongLong();
    if (values.value("gen").toInt() != m_generation || seq <= m_state.seq)
        return;
    m_state.seq = seq;
    const int total = values.value("total").toInt();
    const int current = values.value("current").toInt();
    // The bridge answers -1 until the title has loaded.
    m_state.total = total >= 0 ? total : FRAME_UNKNOWN;
    if (current >= 0)
        m_state.current = current;
    if (Answering() && !m_queued.empty()) {
        std::vector<QString> queued;
        queued.swap(m_queued);
        for (const QString& call : queued)
            SendCommand(call);
    }
}

bool CShockwaveFlash::Answering() const {
    return m_state.ready && m_state.total != FRAME_UNKNOWN;
}

void CShockwaveFlash::SendCommand(const QString& call) {
    if (!m_view || m_pageBroken)
        return;
    if (!Answering()) {
        if (m_queued.size() == kMaxQueued)
            m_queued.erase(m_queued.begin());
        m_queued.push_back(call);
        return;
    }
    const std::shared_ptr<bool> alive = m_alive;
    m_page->runJavaScript(call, [this, alive](const QVariant& answer) {
        if (*alive)
            ApplyAnswer(answer);
    });
}

void CShockwaveFlash::RunCommand(const QString& call) {
    if (!m_view)
        throw FlashError("no movie control");
    if (m_pageBroken)
        throw FlashError("the movie page has stopped");
    if (m_state.failed)
        throw FlashError("the movie stopped answering");
    if (!Answering()) {
        // The movie takes the command once it can answer, as a loading
        // control would.
        SendCommand(call);
        return;
    }

    struct Wait {
        std::optional<QVariant> answer;
        QEventLoop* loop = nullptr;
    };
    auto wait = std::make_shared<Wait>();
    QEventLoop loop;
    wait->loop = &loop;
    m_page->runJavaScript(call, [wait](const QVariant& answer) {
        wait->answer = answer;
        if (wait->loop)
            wait->loop->quit();
    });
    QTimer::singleShot(kCommandTimeoutMs, &loop, &QEventLoop::quit);
    const std::shared_ptr<bool> alive = m_alive;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    wait->loop = nullptr;

    if (!*alive)
        throw FlashError("the movie control was closed");
    if (!wait->answer) {
        // A page that hangs is set up afresh for the next movie.
        m_pageBroken = true;
        MarkFailed();
        throw FlashError("the movie did not answer in time");
    }
    const QVariantMap values = wait->answer->toMap();
    if (!values.value("ok").toBool())
        throw FlashError(values.value("error", "the movie failed").toString().toStdString());
    ApplyAnswer(values);
}

void CShockwaveFlash::SetFrameNum(int frame) {
    RunCommand(PageCall("gotoFrame", {frame}));
}

void CShockwaveFlash::Play() {
    SendCommand(PageCall("play", {}));
}

void CShockwaveFlash::Stop() {
    RunCommand(PageCall("pause", {}));
}

void CShockwaveFlash::Rewind() {
    RunCommand(PageCall("rewind", {}));
}

#include "ShockwaveFlash.moc"
