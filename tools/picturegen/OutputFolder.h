#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

// Encodes in memory and writes atomically, so files are either complete or untouched.
class OutputFolder {
public:
    explicit OutputFolder(const QString &root);

    static QByteArray encodeJpeg(const QImage &image);
    static QByteArray encodePng(const QImage &image);

    // Returns false and prints the reason on failure.
    bool write(const QString &relativePath, const QByteArray &bytes) const;

private:
    QDir m_root;
};
