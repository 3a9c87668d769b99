#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace palmora::testing {

// Catches every address handed to the desktop (http and https) instead of
// starting a browser. Installed for its lifetime.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    const QList<QUrl> &urls() const { return m_urls; }
    QStringList addresses() const;
    void clear() { m_urls.clear(); }

public slots:
    void openUrl(const QUrl &url) { m_urls.append(url); }

private:
    QList<QUrl> m_urls;
};

} // namespace palmora::testing
