#include "SkinState.h"

#include <QTreeWidgetItem>
#include <QWidget>

SkinState& SkinState::Instance() {
    static SkinState state;
    return state;
}

SkinState::WindowSkin& SkinState::Track(QWidget* window) {
    auto [it, inserted] = m_windows.try_emplace(window);
    if (inserted)
        connect(window, &QObject::destroyed, this, [this, window] { m_windows.erase(window); });
    return it->second;
}

const SkinState::WindowSkin* SkinState::Find(const QWidget* window) const {
    auto it = m_windows.find(window);
    return it == m_windows.end() ? nullptr : &it->second;
}

std::optional<std::string> SkinState::ElementOf(const QWidget* window) const {
    const auto* skin = Find(window);
    if (!skin || skin->element.empty())
        return std::nullopt;
    return skin->element;
}

std::optional<std::string> SkinState::SubItemValue(const QWidget* window,
                                                   const std::string& item) const {
    const auto* skin = Find(window);
    if (!skin)
        return std::nullopt;
    auto it = skin->values.find(item);
    return it == skin->values.end() ? std::nullopt : std::optional(it->second);
}

std::optional<bool> SkinState::SubItemVisible(const QWidget* window, const std::string& item) const {
    const auto* skin = Find(window);
    if (!skin)
        return std::nullopt;
    auto it = skin->visible.find(item);
    return it == skin->visible.end() ? std::nullopt : std::optional(it->second);
}

std::optional<bool> SkinState::EventSubItemVisible(const QWidget* window,
                                                   const std::string& eventItem,
                                                   const std::string& subItem) const {
    const auto* skin = Find(window);
    if (!skin)
        return std::nullopt;
    auto it = skin->eventVisible.find({eventItem, subItem});
    return it == skin->eventVisible.end() ? std::nullopt : std::optional(it->second);
}

std::optional<std::string> SkinState::ItemElementOf(const QTreeWidgetItem* item) {
    const QVariant element = item->data(0, kItemElementRole);
    if (!element.isValid())
        return std::nullopt;
    return element.toByteArray().toStdString();
}

std::optional<std::string> SkinState::ItemSubValue(const QTreeWidgetItem* item,
                                                   const std::string& subItem) {
    const QVariantMap values = item->data(0, kItemValuesRole).toMap();
    auto it = values.find(QString::fromLatin1(subItem.c_str()));
    if (it == values.end())
        return std::nullopt;
    return it->toByteArray().toStdString();
}

void SkinState::SetHsb(SkinHsb hsb) {
    m_hsb = hsb;
    emit Changed(nullptr);
}

void SkinState::Bind(QWidget* window, std::string element) {
    Track(window).element = std::move(element);
    emit Changed(window);
}

void SkinState::SetSubItemValue(QWidget* window, std::string item, std::string value) {
    Track(window).values[std::move(item)] = std::move(value);
    emit Changed(window);
}

void SkinState::SetSubItemVisible(QWidget* window, std::string item, bool visible) {
    Track(window).visible[std::move(item)] = visible;
    emit Changed(window);
}

void SkinState::SetEventSubItemVisible(QWidget* window, std::string eventItem, std::string subItem,
                                       bool visible) {
    Track(window).eventVisible[{std::move(eventItem), std::move(subItem)}] = visible;
    emit Changed(window);
}

void SkinState::BindItem(QWidget* tree, QTreeWidgetItem* item, std::string element) {
    item->setData(0, kItemElementRole, QByteArray::fromStdString(element));
    emit Changed(tree);
}

void SkinState::SetItemSubValue(QWidget* tree, QTreeWidgetItem* item, std::string subItem,
                                std::string value) {
    QVariantMap values = item->data(0, kItemValuesRole).toMap();
    values.insert(QString::fromLatin1(subItem.c_str()), QByteArray::fromStdString(value));
    item->setData(0, kItemValuesRole, values);
    emit Changed(tree);
}
