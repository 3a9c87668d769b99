#pragma once

#include "selftest/testsheet.h"

#include <QGroupBox>
#include <QImage>

#include <array>
#include <memory>

class QButtonGroup;
class QLabel;

namespace Ui {
class TestQuestionPage;
}

namespace palmora {

class WrappingRadioButton;

// "Test": one question's picture, the topic's name and the five answer options.
class TestQuestionPage : public QGroupBox {
    Q_OBJECT
public:
    explicit TestQuestionPage(QWidget *parent = nullptr);
    ~TestQuestionPage() override;

    // Puts a question on screen. The selection of the options is left as it is;
    // on a page in view the focus goes to the first option.
    void showQuestion(const QString &name, bool nameVisible, const QImage &picture,
                      const std::array<QString, kOptionCount> &optionTexts);

    // Index of the first selected option, or -1.
    int selectedOption() const;
    // The caption of option k, exactly as shown.
    QString optionText(int k) const;
    void clearSelection();

    QLabel *pictureLabel() const;

signals:
    void nextQuestionRequested();

protected:
    // The page opens with the focus on the first option.
    void showEvent(QShowEvent *event) override;

private:
    void placeOptions();

    std::unique_ptr<Ui::TestQuestionPage> ui;
    std::array<WrappingRadioButton *, kOptionCount> m_option {};
    QButtonGroup *m_group = nullptr;
};

} // namespace palmora
