#pragma once

#include "web/referral.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ExitScreen;
}

namespace palmora {

class RandomSource;

// The last window of a run: an appeal for the maker's forum, links to its pages
// and a form to refer a friend. Closing it by any route ends the program.
class ExitScreen : public QWidget {
    Q_OBJECT
public:
    explicit ExitScreen(RandomSource &random, QWidget *parent = nullptr);
    ~ExitScreen() override;

    // Which of the four appeals is on show.
    int appealIndex() const { return m_appealIndex; }
    // The fields as last submitted, trimmed.
    const ReferralFields &referralFields() const { return m_fields; }

signals:
    // The screen is closing ("E&xit", the close box or any other route).
    void unloading();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Field {
        QWidget *widget;
        QString placeholder;
        ReferralField kind;
        // The text last seen within the field's limit, and its cursor.
        QString accepted {};
        int acceptedCursor = 0;
        bool refusalPending = false;
    };

    void visitSite(bool checked);
    void referFriend();
    void submitReferral();
    void applyLook();
    // Text that would overfill a field is refused whole, once the edit that
    // brought it is done, and the user is told the field's limit.
    void fieldChanged(QWidget *widget);
    void refuseOverfill(QWidget *widget);
    Field *findField(const QObject *widget);

    QString fieldText(QWidget *widget) const;
    void setFieldText(QWidget *widget, const QString &text);
    int cursorPosition(QWidget *widget) const;
    void setCursorPosition(QWidget *widget, int position);
    // The message with Windows line ends, as the referral page expects them.
    QString messageText() const;

    std::unique_ptr<Ui::ExitScreen> ui;
    std::vector<Field> m_fieldList;
    ReferralFields m_fields;
    int m_appealIndex = 0;
    bool m_unloaded = false;
};

} // namespace palmora
