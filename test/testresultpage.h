#pragma once

#include <QGroupBox>

#include <memory>

namespace Ui {
class TestResultPage;
}

namespace palmora {

class TestResultPage : public QGroupBox
{
    Q_OBJECT
public:
    explicit TestResultPage(QWidget *parent = nullptr);
    ~TestResultPage() override;

private:
    std::unique_ptr<Ui::TestResultPage> ui;
};

} // namespace palmora
