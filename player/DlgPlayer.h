#pragma once
// The panel in which a title plays: one movie control, the seek bar, a status
// line and five skinned buttons. A child of the main window that can turn
// itself into a maximised top-level window (full screen) and back.
#include "player/XScrollBar.h"
#include "platform/Dialog.h"
#include "platform/WindowTimers.h"
#include "res/dialogs/Dialogs.h"

#include <QPointer>

#include <memory>
#include <string>

class CShockwaveFlash;
class QLabel;

class CDlgPlayer : public platform::CDialog {
    Q_OBJECT
public:
    using enum res::PlayerControl;
    static constexpr unsigned IDT_PROGRESS = 100;
    static constexpr unsigned IDT_TITLE = 101;
    static constexpr int kTimerPeriodMs = 100;
    static constexpr int kSeekRange = 1000;

    CDlgPlayer();
    ~CDlgPlayer() override;

    // Shows the panel, replaces the movie with the file at `path`, plays it
    // and records the play. An empty or missing path only shows the panel.
    void PlayFile(std::string path);
    void OnPause();
    bool IsActive() const { return m_bActive; }
    void DestroyWindow() override;

    static std::string TitleFromPath(const std::string& path);

    // For tests and the favourites operation.
    CShockwaveFlash* Flash() const { return m_pFlash.get(); }
    CXScrollBar& SeekBar() { return m_seekBar; }
    bool IsFullScreen() const { return m_bFullScreen; }
    const std::string& MovieTitle() const { return m_strMovieTitle; }

    void OnPlay();
    void OnStop();
    void ToggleFullScreen();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override {}
    void OnCancel() override {}
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnAddFavourite();
    void RecordPlay();
    void CreateFlash();
    void DestroyFlash();
    void OnSeek(CXScrollBar* scrollBar);
    void OnTimer(unsigned id);
    void ArrangeControls();
    void ShowStatus(const std::string& text);
    bool IsInsidePanel(QObject* object) const;

    QLabel* m_stStatus = nullptr;
    CXScrollBar m_seekBar;
    QWidget* m_stFlashHost = nullptr;
    bool m_bFullScreen = false;
    bool m_bActive = false;
    std::unique_ptr<CShockwaveFlash> m_pFlash;
    std::string m_strMoviePath;
    std::string m_strMovieTitle;
    unsigned m_nProgressTimer = 0;
    unsigned m_nTitleTimer = 0;
    platform::WindowTimers m_timers;
    QPointer<QWidget> m_pMainWnd;
};
