#pragma once

#include <QGroupBox>

#include <memory>

namespace Ui {
class TestQuestionPage;
}

namespace palmora {

class TestQuestionPage : public QGroupBox
{
    Q_OBJECT
public:
    explicit TestQuestionPage(QWidget *parent = nullptr);
    ~TestQuestionPage() override;

private:
    std::unique_ptr<Ui::TestQuestionPage> ui;
};

} // namespace palmora
