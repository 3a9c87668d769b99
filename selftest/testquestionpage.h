#pragma once

#include "selftest/testsheet.h"

#include <QGroupBox>
#include <QImage>

#include <array>
#include <functional>
#include <memory>

class QButtonGroup;

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

    // Puts a question on screen, its picture drawn by `picture` for the
    // screen's pixel ratio. The selection of the options is left as it is; on
    // a page in view the focus goes to the first option.
    void showQuestion(const QString &name, bool nameVisible, std::function<QImage(qreal)> picture,
                      const std::array<QString, kOptionCount> &optionTexts);
    // Drawn at its own size from the top-left corner; a missing picture
    // leaves the box empty and the question goes on.
    void showPicture(std::function<QImage(qreal)> picture);

    // Index of the first selected option, or -1.
    int selectedOption() const;
    // The caption of option k, exactly as shown.
    QString optionText(int k) const;
    void clearSelection();

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
