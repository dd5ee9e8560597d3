#pragma once
// Skin packages and the elements they describe.
//
// A package is a folder holding "skin.json" (the index: every file with its
// SHA-256 and every element's properties), "skin.sig" (hex HMAC-SHA256 of the
// index, keyed with the package password) and the PNG files the index lists.
// The password only proves that the index was written for this program and the
// digests that no file was damaged or swapped; it is not protection: nothing is
// secret, the artwork is plain PNG.
#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QRect>
#include <QString>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace skinformat {
inline constexpr const char* kIndexFile = "skin.json";
inline constexpr const char* kSealFile = "skin.sig";
inline constexpr int kVersion = 1;

QByteArray Seal(const QByteArray& index, const QByteArray& password);
QByteArray FileDigest(const QByteArray& bytes);
}  // namespace skinformat

using SkinImages = std::map<QString, QImage>;

// A drawn sub-item of a panel element: a clickable swatch, a tab-like event
// item with sub-items ("item.check", "item.uncheck") or a group of items that
// is shown or hidden as one ("drawitem.color").
struct SkinPanelItem {
    std::string name;
    std::string group;
    QRect rect;
    bool clickable = false;
    bool visible = true;
    QJsonObject props;
};

struct SkinElement {
    QString kind;
    QJsonObject props;
    std::vector<SkinPanelItem> items;
    std::shared_ptr<const SkinImages> images;

    // The package image a property names; null when absent.
    QImage Image(const QString& key) const;
    QImage Image(const QJsonObject& in, const QString& key) const;
};

class SkinLibrary {
public:
    // Adds the package's elements (later packages override earlier names).
    // Returns false and adds nothing when the folder, the index, its seal or a
    // file digest is wrong.
    bool LoadPackage(const std::filesystem::path& folder, const std::string& password);
    const SkinElement* Find(const std::string& name) const;

private:
    std::map<std::string, SkinElement> m_elements;
};
