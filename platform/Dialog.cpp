#include "Dialog.h"

#include "Gbk.h"
#include "ModalLoops.h"
#include "Window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace platform {
namespace {

std::vector<QEventLoop*>& ModalLoops() {
    static std::vector<QEventLoop*> loops;
    return loops;
}

// A static text that reports clicks.
class NotifyingStatic : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QLabel::mouseDoubleClickEvent(event);
        emit doubleClicked();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (rect().contains(event->position().toPoint()))
            emit clicked();
    }
};

Qt::WindowFlags WindowFlagsOf(unsigned styles) {
    if (styles & DS_CHILD)
        return Qt::Widget;
    if (styles & DS_CAPTION)
        return Qt::Dialog;
    return Qt::Window | Qt::FramelessWindowHint;
}

}  // namespace

void PushModalLoop(QEventLoop* loop) {
    ModalLoops().push_back(loop);
}

void PopModalLoop(QEventLoop* loop) {
    auto& loops = ModalLoops();
    loops.erase(std::remove(loops.begin(), loops.end(), loop), loops.end());
}

void EndAllModalLoops(int exitCode) {
    for (QEventLoop* loop : ModalLoops())
        loop->exit(exitCode);
}

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QWidget(parent, WindowFlagsOf(dialogTemplate.styles)), m_template(dialogTemplate) {
    setFont(DialogFont(m_template.fontName, m_template.fontPointSize));
    m_units = BaseUnitsOf(font());
}

CDialog::~CDialog() {
    if (m_loop)
        m_loop->exit(-1);
}

QRect CDialog::MapDialogRect(int x, int y, int cx, int cy) const {
    return platform::MapDialogRect(m_units, x, y, cx, cy);
}

QWidget* CDialog::CreateControl(const ControlTemplate& control, QButtonGroup*& radioGroup) {
    const QString text = GbkToQString(control.text);
    if (control.flags & CF_GROUP)
        radioGroup = nullptr;
    QWidget* widget = nullptr;
    switch (control.cls) {
    case ControlClass::PushButton: widget = new QPushButton(text, this); break;
    case ControlClass::RadioButton: {
        auto* radio = new QRadioButton(text, this);
        radio->setAutoExclusive(false);
        if (!radioGroup) {
            radioGroup = new QButtonGroup(this);
            radioGroup->setExclusive(true);
        }
        radioGroup->addButton(radio);
        widget = radio;
        break;
    }
    case ControlClass::CheckBox: widget = new QCheckBox(text, this); break;
    case ControlClass::Static: {
        auto* label = new NotifyingStatic(text, this);
        if (control.flags & CF_NOTIFY) {
            connect(label, &NotifyingStatic::clicked, this,
                    [this, id = control.id] { Dispatch(id, STN_CLICKED); });
            connect(label, &NotifyingStatic::doubleClicked, this,
                    [this, id = control.id] { Dispatch(id, STN_DBLCLK); });
        }
        if (control.flags & CF_RIGHT)
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (control.flags & CF_BLACKRECT) {
            label->setAutoFillBackground(true);
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, Qt::black);
            label->setPalette(palette);
        }
        if (control.flags & CF_BORDER)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        widget = label;
        break;
    }
    case ControlClass::Edit: {
        auto* edit = new QLineEdit(text, this);
        connect(edit, &QLineEdit::textChanged, this,
                [this, id = control.id] { Dispatch(id, EN_CHANGE); });
        widget = edit;
        break;
    }
    case ControlClass::Tree: {
        auto* tree = new QTreeWidget(this);
        tree->setHeaderHidden(true);
        tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree->setSelectionBehavior(QAbstractItemView::SelectRows);
        tree->setMouseTracking(true);
        widget = tree;
        break;
    }
    case ControlClass::Progress: {
        auto* progress = new QProgressBar(this);
        progress->setRange(0, 100);
        progress->setValue(0);
        progress->setTextVisible(false);
        widget = progress;
        break;
    }
    case ControlClass::Placeholder: widget = new QWidget(this); break;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        connect(button, &QAbstractButton::clicked, this,
                [this, id = control.id] { Dispatch(id, BN_CLICKED); });
    widget->setObjectName(QString::number(control.id));
    widget->setGeometry(MapDialogRect(control.x, control.y, control.cx, control.cy));
    widget->setEnabled(!(control.flags & CF_DISABLED));
    widget->setVisible(!(control.flags & CF_HIDDEN));
    // Overlapping controls stack as in a dialog template: the earlier on top.
    widget->lower();
    return widget;
}

bool CDialog::CreateWindowAndChildren(QWidget* parent) {
    if (m_created)
        return !m_destroyed;
    if (parent && parent != parentWidget())
        setParent(parent, WindowFlagsOf(m_template.styles));
    const QRect client = MapDialogRect(0, 0, m_template.cx, m_template.cy);
    resize(client.size());
    if (isWindow()) {
        const QRect area = WorkArea(parentWidget());
        move(area.center() - QPoint(client.width() / 2, client.height() / 2));
        if (m_template.styles & DS_CAPTION)
            setWindowTitle(GbkToQString(m_template.caption));
        winId();  // the window exists from here on, as OnInitDialog expects
    }
    QButtonGroup* radioGroup = nullptr;
    for (const auto& control : m_template.controls)
        m_controls[control.id] = CreateControl(control, radioGroup);
    m_created = true;
    DoDataExchange();
    OnInitDialog();
    return !m_destroyed;
}

int CDialog::DoModal() {
    m_ended = false;
    m_result = -1;
    if (!CreateWindowAndChildren(nullptr))
        return -1;
    if (m_ended) {
        hide();
        return m_result;
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    m_loop = &loop;
    PushModalLoop(&loop);
    loop.exec();
    PopModalLoop(&loop);
    m_loop = nullptr;
    if (!m_destroyed)
        hide();
    return m_ended ? m_result : -1;
}

bool CDialog::Create(QWidget* parent) {
    if (!CreateWindowAndChildren(parent))
        return false;
    if (m_template.styles & DS_VISIBLE)
        show();
    return true;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    hide();
    if (m_loop)
        m_loop->exit(result);
}

void CDialog::DestroyWindow() {
    if (!m_created || m_destroyed)
        return;
    m_destroyed = true;
    hide();
    if (m_loop)
        m_loop->exit(-1);
    // The native window goes too, and with it every property other processes see.
    if (isWindow() && testAttribute(Qt::WA_WState_Created))
        destroy(true, true);
}

QWidget* CDialog::GetDlgItem(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    QWidget* item = GetDlgItem(id);
    const QString value = GbkToQString(text);
    if (auto* button = qobject_cast<QAbstractButton*>(item))
        button->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(item))
        label->setText(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(item))
        edit->setText(value);
    else if (item)
        item->setWindowTitle(value);
}

std::string CDialog::GetDlgItemText(int id) const {
    QWidget* item = GetDlgItem(id);
    if (auto* button = qobject_cast<QAbstractButton*>(item))
        return QStringToGbk(button->text());
    if (auto* label = qobject_cast<QLabel*>(item))
        return QStringToGbk(label->text());
    if (auto* edit = qobject_cast<QLineEdit*>(item))
        return QStringToGbk(edit->text());
    return item ? QStringToGbk(item->windowTitle()) : std::string();
}

void CDialog::CheckDlgButton(int id, bool checked) {
    if (auto* button = GetDlgItemAs<QAbstractButton>(id)) {
        button->setCheckable(true);
        button->setChecked(checked);
    }
}

bool CDialog::IsDlgButtonChecked(int id) const {
    auto* button = GetDlgItemAs<QAbstractButton>(id);
    return button && button->isChecked();
}

void CDialog::SetWindowText(std::string_view text) {
    setWindowTitle(GbkToQString(text));
}

std::string CDialog::GetWindowText() const {
    return QStringToGbk(windowTitle());
}

bool CDialog::OnCommand(int id, int /*code*/) {
    switch (id) {
    case IDC_OK: OnOK(); return true;
    case IDC_CANCEL: OnCancel(); return true;
    default: return false;
    }
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: Dispatch(IDC_OK, BN_CLICKED); break;
    case Qt::Key_Escape: Dispatch(IDC_CANCEL, BN_CLICKED); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void CDialog::closeEvent(QCloseEvent* event) {
    if (m_destroyed || m_ended) {
        event->accept();
        return;
    }
    event->ignore();
    OnClose();
}

}  // namespace platform

#include "Dialog.moc"
