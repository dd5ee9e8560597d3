#include "SkinLibrary.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageAuthenticationCode>

#include <optional>

namespace skinformat {

QByteArray Seal(const QByteArray& index, const QByteArray& password) {
    return QMessageAuthenticationCode::hash(index, password, QCryptographicHash::Sha256).toHex();
}

QByteArray FileDigest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

}  // namespace skinformat

namespace {

std::optional<QByteArray> ReadAll(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QRect RectOf(const QJsonValue& value) {
    const QJsonArray a = value.toArray();
    return a.size() == 4 ? QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()) : QRect();
}

std::vector<SkinPanelItem> PanelItems(const QJsonObject& props) {
    std::vector<SkinPanelItem> items;
    for (const QJsonValue& v : props.value("items").toArray()) {
        const QJsonObject o = v.toObject();
        SkinPanelItem item;
        item.name = o.value("name").toString().toStdString();
        item.group = o.value("group").toString().toStdString();
        item.rect = RectOf(o.value("rect"));
        item.clickable = o.value("clickable").toBool();
        item.visible = o.value("visible").toBool(true);
        item.props = o;
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

QImage SkinElement::Image(const QJsonObject& in, const QString& key) const {
    if (!images)
        return {};
    auto it = images->find(in.value(key).toString());
    return it == images->end() ? QImage() : it->second;
}

QImage SkinElement::Image(const QString& key) const {
    return Image(props, key);
}

bool SkinLibrary::LoadPackage(const std::filesystem::path& folder, const std::string& password) {
    const auto index = ReadAll(folder / skinformat::kIndexFile);
    const auto seal = ReadAll(folder / skinformat::kSealFile);
    if (!index || !seal ||
        seal->trimmed() != skinformat::Seal(*index, QByteArray::fromStdString(password)))
        return false;
    const QJsonObject root = QJsonDocument::fromJson(*index).object();
    if (root.value("format").toInt() != skinformat::kVersion)
        return false;

    auto images = std::make_shared<SkinImages>();
    const QJsonObject files = root.value("files").toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        // Index names are bare file names; anything else could leave the folder.
        const QString name = it.key();
        if (name.isEmpty() || name.contains('/') || name.contains('\\') || name.startsWith('.'))
            return false;
        const auto bytes = ReadAll(folder / name.toStdString());
        if (!bytes || skinformat::FileDigest(*bytes) != it.value().toString().toLatin1())
            return false;
        QImage image;
        if (!image.loadFromData(*bytes, "PNG"))
            return false;
        images->emplace(name, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    const QJsonObject elements = root.value("elements").toObject();
    for (auto it = elements.begin(); it != elements.end(); ++it) {
        const QJsonObject props = it.value().toObject();
        SkinElement element{props.value("kind").toString(), props, PanelItems(props), images};
        m_elements[it.key().toStdString()] = std::move(element);
    }
    return true;
}

const SkinElement* SkinLibrary::Find(const std::string& name) const {
    auto it = m_elements.find(name);
    return it == m_elements.end() ? nullptr : &it->second;
}
