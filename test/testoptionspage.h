#pragma once

#include <QGroupBox>

#include <memory>

namespace Ui {
class TestOptionsPage;
}

namespace palmora {

class TestOptionsPage : public QGroupBox
{
    Q_OBJECT
public:
    explicit TestOptionsPage(QWidget *parent = nullptr);
    ~TestOptionsPage() override;

private:
    std::unique_ptr<Ui::TestOptionsPage> ui;
};

} // namespace palmora
