#include "DlgPlayer.h"

#include "player/ShockwaveFlash.h"

#include "external/skin/SkinDLL.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/Gbk.h"
#include "platform/Window.h"
#include "res/Strings.h"
#include "res/dialogs/Dialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>


namespace {

// Seek-bar style as the panel creates it: child, visible, reports clicks.
constexpr unsigned kSeekBarStyle = 0x40000000u | CXScrollBar::kStyleVisible | 0x100u;

}  // namespace

CDlgPlayer::CDlgPlayer()
    : platform::CDialog(res::Dialog102()), m_timers([this](unsigned id) { OnTimer(id); }) {}

CDlgPlayer::~CDlgPlayer() {
    qApp->removeEventFilter(this);
}

void CDlgPlayer::DoDataExchange() {
    m_stStatus = GetDlgItemAs<QLabel>(IDC_STATUS);
    m_stFlashHost = GetDlgItem(IDC_FLASH_HOST);
}

bool CDlgPlayer::OnInitDialog() {
    m_pMainWnd = parentWidget();
    platform::MoveWindow(this, 0, 0, 0, 0);
    setWindowIcon(res::LoadIcon(res::IDR_MAINFRAME_ICON));
    SetWindowText(res::kTitleLalora);

    SkinDLL_SubclassWindow(this, "winChild");
    SkinDLL_SubclassWindow(GetDlgItem(IDC_BTN_OPEN), "item.bb.btn.Open");
    SkinDLL_SubclassWindow(GetDlgItem(IDC_BTN_PLAY), "item.bb.btn.Play");
    SkinDLL_SubclassWindow(GetDlgItem(IDC_BTN_PAUSE), "item.bb.btn.Pause");
    SkinDLL_SubclassWindow(GetDlgItem(IDC_BTN_STOP), "item.bb.btn.Stop");
    SkinDLL_SubclassWindow(GetDlgItem(IDC_BTN_FULL), "item.bb.btn.Full");

    m_seekBar.CreateFromPlaceholder(kSeekBarStyle, this, GetDlgItem(IDC_SEEK_PLACEHOLDER),
                                    IDC_SEEK_BAR);
    m_seekBar.SetRange(0, kSeekRange, true);
    m_seekBar.SetPos(0, true);
    m_seekBar.m_clrThumb = RGB(198, 97, 239);
    m_seekBar.m_bTintThumb = true;
    connect(
        &m_seekBar, &CXScrollBar::HScroll, this,
        [this](int, int, CXScrollBar* bar) { RunHandler([&] { OnSeek(bar); }); },
        Qt::DirectConnection);

    // Keys and right-button presses never reach the panel or the movie.
    qApp->installEventFilter(this);

    ArrangeControls();
    m_timers.SetTimer(IDT_TITLE, kTimerPeriodMs);
    m_nTitleTimer = IDT_TITLE;
    return true;
}

bool CDlgPlayer::OnCommand(int id, int code) {
    switch (id) {
    case IDC_BTN_OPEN: OnAddFavourite(); return true;
    case IDC_BTN_PLAY: OnPlay(); return true;
    case IDC_BTN_PAUSE: OnPause(); return true;
    case IDC_BTN_STOP: OnStop(); return true;
    case IDC_BTN_FULL: ToggleFullScreen(); return true;
    case IDC_FLASH_HOST:
        if (code == platform::STN_DBLCLK)
            ToggleFullScreen();
        return true;
    default: return platform::CDialog::OnCommand(id, code);
    }
}

void CDlgPlayer::PlayFile(std::string path) {
    platform::ShowWindow(this, platform::SW_SHOW);
    if (path.empty() || !platform::FindFile(path))
        return;
    if (m_pMainWnd)
        platform::ShowWindow(m_pMainWnd, platform::SW_SHOW);
    m_strMoviePath = path;
    m_strMovieTitle = TitleFromPath(path);
    // The old movie goes whether or not it still answers.
    try {
        OnStop();
    } catch (const FlashError&) {
    }
    DestroyFlash();
    CreateFlash();
    OnPlay();
    RecordPlay();
}

std::string CDlgPlayer::TitleFromPath(const std::string& path) {
    // Byte pairs are GBK characters: their second byte may be a backslash.
    std::size_t backslash = std::string::npos, slash = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (byte >= 0x81 && byte <= 0xFE)
            ++i;
        else if (byte == '\\')
            backslash = i;
        else if (byte == '/')
            slash = i;
    }
    const std::size_t separator = backslash != std::string::npos ? backslash : slash;
    std::string title = separator == std::string::npos ? path : path.substr(separator + 1);
    if (const auto dot = title.rfind('.'); dot != std::string::npos)
        title.resize(dot);
    return title;
}

void CDlgPlayer::CreateFlash() {
    platform::TrimWorkingSet();
    if (!platform::FindFile(m_strMoviePath))
        return;
    m_stFlashHost->hide();
    m_pFlash = std::make_unique<CShockwaveFlash>();
    m_pFlash->CreateControl(this, QRect(0, 0, 10, 10), IDC_FLASH_HOST);
    connect(m_pFlash.get(), &CShockwaveFlash::DoubleClicked, this, &CDlgPlayer::ToggleFullScreen);
    m_pFlash->LoadMovie(0, m_strMoviePath);
    ArrangeControls();
}

void CDlgPlayer::DestroyFlash() {
    if (!m_pFlash)
        return;
    try {
        m_pFlash->Stop();
    } catch (const FlashError&) {
        // It is going away; a movie that no longer answers must not keep it.
    }
    m_pFlash.reset();
}

void CDlgPlayer::OnPlay() {
    if (!m_pFlash || !platform::FindFile(m_strMoviePath))
        return;
    m_pFlash->Play();
    if (m_nProgressTimer == 0) {
        m_timers.SetTimer(IDT_PROGRESS, kTimerPeriodMs);
        m_nProgressTimer = IDT_PROGRESS;
    }
    platform::TrimWorkingSet();
    m_bActive = true;
}

void CDlgPlayer::OnPause() {
    if (!m_pFlash)
        return;
    m_pFlash->Stop();
    if (m_nProgressTimer == 0) {
        m_timers.SetTimer(IDT_PROGRESS, kTimerPeriodMs);
        m_nProgressTimer = IDT_PROGRESS;
    }
    m_bActive = true;
}

void CDlgPlayer::OnStop() {
    if (!m_pFlash)
        return;
    m_pFlash->Rewind();
    m_pFlash->Stop();
    if (m_nProgressTimer != 0) {
        m_timers.KillTimer(m_nProgressTimer);
        m_nProgressTimer = 0;
    }
    m_seekBar.SetPos(0, true);
    m_bActive = false;
}

void CDlgPlayer::OnSeek(CXScrollBar* scrollBar) {
    if (scrollBar != &m_seekBar)
        return;
    if (m_pFlash) {
        const int total = m_pFlash->GetTotalFrames();
        // Nothing to seek in before the movie has told its length.
        if (total > 0)
            m_pFlash->SetFrameNum(total * m_seekBar.GetPos() / kSeekRange);
    }
    OnPlay();
}

void CDlgPlayer::OnTimer(unsigned id) {
    if (!m_pFlash)
        return;
    int current = m_pFlash->CurrentFrame();
    const int total = m_pFlash->GetTotalFrames();
    if (id == m_nProgressTimer) {
        if (total == FRAME_UNKNOWN)
            ShowStatus(res::kPlayerPreparing);
        if (total > 0) {
            const int pos = current * kSeekRange / total;
            if (pos != m_seekBar.GetPos())
                m_seekBar.SetPos(pos, true);
        }
    } else if (id == m_nTitleTimer) {
        if (total - current == 1)
            current = total;
        ShowStatus(total == FRAME_UNKNOWN
                       ? std::string(res::kPlayerPreparing)
                       : platform::Format(res::kPlayerWatchingFormat, m_strMovieTitle.c_str(),
                                          current, total));
    }
}

void CDlgPlayer::ShowStatus(const std::string& text) {
    if (m_stStatus)
        m_stStatus->setText(platform::GbkToQString(text));
}

void CDlgPlayer::resizeEvent(QResizeEvent* event) {
    platform::CDialog::resizeEvent(event);
    ArrangeControls();
}

void CDlgPlayer::ArrangeControls() {
    if (!IsWindowCreated())
        return;
    const QRect client = rect();
    const int L = client.left(), T = client.top();
    const int R = client.right() + 1, B = client.bottom() + 1;
    if (m_stFlashHost) {
        const QRect movie(L + 5, T + 5, R - L - 10, B - T - 50);
        platform::MoveWindow(m_stFlashHost, movie.x(), movie.y(), movie.width(), movie.height());
        if (m_pFlash)
            platform::MoveWindow(m_pFlash.get(), movie.x(), movie.y(), movie.width(),
                                 movie.height());
    }
    if (m_seekBar.parentWidget()) {
        m_seekBar.SetTrackWidth(R - L - 10);
        platform::MoveWindow(&m_seekBar, L + 5, B - 40, R - L - 10, 7);
    }
    if (m_stStatus) {
        const QSize button = GetDlgItem(IDC_BTN_OPEN)->size();
        const int bw = button.width(), bh = button.height();
        int i = 0;
        for (int id : {IDC_BTN_OPEN, IDC_BTN_PLAY, IDC_BTN_PAUSE, IDC_BTN_STOP, IDC_BTN_FULL})
            platform::MoveWindow(GetDlgItem(id), 5 + i++ * (bw + 5), B - bh, bw, bh);
        const int statusX = 5 * (bw + 6);
        platform::MoveWindow(m_stStatus, statusX, B - 20, R - 5 - statusX, 20);
    }
    update();
}

void CDlgPlayer::ToggleFullScreen() {
    if (!m_bFullScreen) {
        // A window of its own, still owned by the main window so it goes with it.
        setParent(m_pMainWnd, Qt::Window | Qt::FramelessWindowHint);
        if (m_pMainWnd) {
            platform::ShowWindow(m_pMainWnd, platform::SW_SHOWMAXIMIZED);
            platform::ShowWindow(m_pMainWnd, platform::SW_HIDE);
        }
        platform::ShowWindow(this, platform::SW_SHOWMAXIMIZED);
        m_bFullScreen = true;
    } else {
        platform::ShowWindow(this, platform::SW_SHOWNORMAL);
        if (m_pMainWnd) {
            platform::ShowWindow(m_pMainWnd, platform::SW_SHOW);
            platform::ShowWindow(m_pMainWnd, platform::SW_SHOWNORMAL);
        }
        platform::ShowWindow(this, platform::SW_SHOW);
        m_bFullScreen = false;
        setParent(m_pMainWnd, Qt::Widget);
        show();
        // The main window's layout gives the panel its place again.
        if (m_pMainWnd)
            QApplication::postEvent(m_pMainWnd,
                                    new QResizeEvent(m_pMainWnd->size(), m_pMainWnd->size()));
    }
    update();
}

bool CDlgPlayer::IsInsidePanel(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && (widget == this || isAncestorOf(widget));
}

bool CDlgPlayer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        return IsInsidePanel(watched);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton &&
               IsInsidePanel(watched);
    case QEvent::ContextMenu:
        return IsInsidePanel(watched);
    default:
        return false;
    }
}

void CDlgPlayer::DestroyWindow() {
    for (unsigned* timer : {&m_nProgressTimer, &m_nTitleTimer}) {
        if (*timer != 0) {
            m_timers.KillTimer(*timer);
            *timer = 0;
        }
    }
    DestroyFlash();
    platform::CDialog::DestroyWindow();
}

void CDlgPlayer::OnAddFavourite() {
    // Favourites come with the favourites and history feature.
}

void CDlgPlayer::RecordPlay() {
    // Play counts and history come with the favourites and history feature.
}
