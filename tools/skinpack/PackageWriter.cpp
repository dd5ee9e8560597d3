#include "PackageWriter.h"

#include "external/skin/SkinLibrary.h"

#include <QBuffer>
#include <QFile>
#include <QJsonDocument>

namespace {

bool WriteFile(const std::filesystem::path& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

}  // namespace

QString PackageWriter::AddImage(const QString& name, const QImage& image) {
    const QString file = name + ".png";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    m_files[file] = bytes;
    return file;
}

void PackageWriter::AddElement(const QString& name, const QJsonObject& properties) {
    m_elements.insert(name, properties);
}

bool PackageWriter::Write(const std::filesystem::path& folder, const QByteArray& password) const {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    QJsonObject files;
    for (const auto& [name, bytes] : m_files) {
        if (!WriteFile(folder / name.toStdString(), bytes))
            return false;
        files.insert(name, QString::fromLatin1(skinformat::FileDigest(bytes)));
    }
    QJsonObject root{{"format", skinformat::kVersion}, {"files", files}, {"elements", m_elements}};
    const QByteArray index = QJsonDocument(root).toJson(QJsonDocument::Indented);
    return WriteFile(folder / skinformat::kIndexFile, index) &&
           WriteFile(folder / skinformat::kSealFile, skinformat::Seal(index, password) + "\n");
}
