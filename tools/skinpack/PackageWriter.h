#pragma once
// Collects a package's images and element properties and writes the folder
// the engine loads (index, seal, PNG files).
#include <QImage>
#include <QJsonObject>
#include <QString>

#include <filesystem>
#include <map>

class PackageWriter {
public:
    // Returns the file name to put into element properties.
    QString AddImage(const QString& name, const QImage& image);
    void AddElement(const QString& name, const QJsonObject& properties);
    bool Write(const std::filesystem::path& folder, const QByteArray& password) const;

private:
    std::map<QString, QByteArray> m_files;
    QJsonObject m_elements;
};
