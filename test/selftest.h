#pragma once

#include <QObject>

class QGroupBox;

namespace palmora {

class PictureList;
class RandomSource;
class TestOptionsPage;
class TestQuestionPage;
class TestResultPage;
class TopicCatalogue;

// The self-test section: its three frames (options, question, result) and the
// test that runs through them.
class SelfTest : public QObject
{
    Q_OBJECT
public:
    SelfTest(TopicCatalogue &catalogue, const PictureList &pictures, RandomSource &random,
             QObject *parent = nullptr);
    ~SelfTest() override;

    TestOptionsPage *optionsPage() const { return m_options; }
    TestQuestionPage *questionPage() const { return m_question; }
    TestResultPage *resultPage() const { return m_result; }

signals:
    // Bring section frame k of the main window to the front.
    void showSectionRequested(int k);
    void backToMainRequested();

private:
    TopicCatalogue &m_catalogue;
    const PictureList &m_pictures;
    RandomSource &m_random;
    TestOptionsPage *m_options;
    TestQuestionPage *m_question;
    TestResultPage *m_result;
};

} // namespace palmora
