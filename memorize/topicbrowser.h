#pragma once

#include "content/topiccatalogue.h"

#include <QGroupBox>

#include <functional>
#include <memory>

namespace Ui {
class TopicBrowser;
}

class QFocusFrame;

namespace palmora {

class PictureList;

// The "Memorize Palmistry" section: one topic at a time, stepped through in
// catalogue order. Its place is kept for the whole run.
class TopicBrowser : public QGroupBox {
    Q_OBJECT
public:
    TopicBrowser(const TopicCatalogue &catalogue, const PictureList &pictures, QWidget *parent = nullptr);
    ~TopicBrowser() override;

    void showTopic(int t);
    // Where the learner's record on a topic comes from: a line such as
    // "Answered right 2 of 5 times", shown under the texts; empty, nothing.
    void setRecordLookup(std::function<QString(TopicIndex)> lookup);

    TopicIndex currentTopic() const { return m_currentTopic; }

signals:
    void backToMainRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void stepForward();
    void stepBack();
    void showRecord(TopicIndex t);

    std::unique_ptr<Ui::TopicBrowser> ui;
    const TopicCatalogue &m_catalogue;
    const PictureList &m_pictures;
    QFocusFrame *m_focusFrame = nullptr;
    std::function<QString(TopicIndex)> m_recordLookup;
    TopicIndex m_currentTopic = 0;
};

} // namespace palmora
