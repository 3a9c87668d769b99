#include "OutputFolder.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int JpegQuality = 92;

QByteArray encode(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "palmora-picturegen: cannot encode %s: %s\n", format,
                     qPrintable(writer.errorString()));
        return {};
    }
    return bytes;
}

} // namespace

OutputFolder::OutputFolder(const QString &root)
    : m_root(root)
{
}

QByteArray OutputFolder::encodeJpeg(const QImage &image)
{
    // Plain RGB: JPEG has no alpha and the pictures sit on paper white anyway.
    return encode(image.convertToFormat(QImage::Format_RGB32), "jpeg", JpegQuality);
}

QByteArray OutputFolder::encodePng(const QImage &image)
{
    return encode(image.convertToFormat(QImage::Format_ARGB32), "png", -1);
}

bool OutputFolder::write(const QString &relativePath, const QByteArray &bytes) const
{
    const QString path = m_root.filePath(relativePath);
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "palmora-picturegen: nothing to write for %s\n", qPrintable(path));
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        std::fprintf(stderr, "palmora-picturegen: cannot create folder for %s\n", qPrintable(path));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "palmora-picturegen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}
