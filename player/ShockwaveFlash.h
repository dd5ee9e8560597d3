#pragma once
// The movie control of the player panel: one web page with one Ruffle player
// that plays a bridge movie, which in turn loads the title and answers the
// frame calls. The queries answer from a frame state that the page keeps
// current; the commands are synchronous round trips with a time-out.
#include <QRect>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class QTemporaryDir;
class QWebEngineView;
class RufflePage;

// What GetTotalFrames yields while the movie cannot answer.
inline constexpr int FRAME_UNKNOWN = -9999;

// Sets the browser engine's process flags (no sandbox as root, no GPU without a
// display). Call once before the QApplication is constructed.
void ConfigureWebEngineProcess();

// A command the control could not carry out.
class FlashError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CShockwaveFlash : public QWidget {
    Q_OBJECT

public:
    CShockwaveFlash();
    ~CShockwaveFlash() override;

    // Where player.html and Ruffle are installed (program path); by default the
    // "ruffle" folder beside the executable.
    static void SetRuffleFolder(const std::string& gbkFolder);

    // Creates the control window inside `parent`; false when the page cannot
    // be set up (the player folder is missing).
    bool CreateControl(QWidget* parent, const QRect& rect, int id);
    int ControlId() const { return m_controlId; }

    // Never raise.
    int GetTotalFrames() const;
    int CurrentFrame() const;  // 0-based; the last value the movie gave
    void Play();  // resumes the timeline and everything Stop froze
    // Replaces the movie (base layer 0 only); an unreadable file leaves none,
    // with the frame count unknown.
    void LoadMovie(int layer, const std::string& gbkPath);

    // Raise FlashError without a control, when the movie reports a failure,
    // or when it does not answer in time.
    void SetFrameNum(int frame);  // 0-based; goes there and halts
    void Stop();    // halts on the current frame: picture, nested clips and sound
    void Rewind();  // to frame 0, halted there

signals:
    // A double click on the movie (the page's own windows keep the mouse events).
    void DoubleClicked();

private:
    struct FrameState {
        bool ready = false;
        bool failed = false;  // the movie stopped answering
        int total = FRAME_UNKNOWN;
        int current = 0;
        long long seq = -1;
    };

    void OnPageMessage(const QString& json);
    void OnPageLoaded(bool ok);
    // The bridge runs and the title has loaded.
    bool Answering() const;
    void LoadPage();
    // Writes the bridge movie for the title; false when the title is unreadable.
    bool PrepareBridge(const std::string& gbkPath);
    void StartPendingMovie();
    void ApplyAnswer(const QVariant& answer);
    void MarkFailed();
    // Waits for the movie's answer; raises FlashError on a failure.
    void RunCommand(const QString& call);
    // Sends without waiting; before the movie is ready the call is queued.
    void SendCommand(const QString& call);

    QWebEngineView* m_view = nullptr;
    RufflePage* m_page = nullptr;
    std::unique_ptr<QTemporaryDir> m_bridgeDir;
    int m_controlId = 0;
    bool m_pageLoaded = false;
    bool m_pageBroken = false;
    int m_generation = 0;
    QString m_pendingBridgeUrl;
    // Commands given before the title has loaded, replayed once it has.
    std::vector<QString> m_queued;
    FrameState m_state;
    // Cleared on destruction, so that a command waiting for its answer
    // notices when its control was deleted meanwhile.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
