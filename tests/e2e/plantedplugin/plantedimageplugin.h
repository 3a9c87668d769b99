#pragma once

#include <QImageIOPlugin>

// What another user might leave in imageformats/ beside a copy of the program:
// an image plugin Qt takes for one of its own. Its code leaves a mark when it
// runs, so a test can tell whether the program ever loaded it.
class PlantedImagePlugin final : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "plantedimageplugin.json")
public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override;
    QImageIOHandler *create(QIODevice *device, const QByteArray &format) const override;
};
