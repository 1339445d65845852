#pragma once
// "Inställningar": how long the right answer stays, and whether pictures and
// recorded sound are used. A value a teacher has locked cannot be changed here.

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QFrame;
class QLineEdit;

namespace lingvaro {

struct AppContext;
namespace ui {
class SpinButton;
}

// While its owner lives, every message box and question that opens is set in
// the program's type at the owner's scale (a box has no type of its own: it
// would otherwise come up in the small system font beside the window).
class MessageBoxType : public QObject {
public:
    MessageBoxType(QObject* owner, int scalePercent);
    ~MessageBoxType() override;
    static int pixelSize(int scalePercent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int pixelSize_;
};

class TStallin : public QDialog {
    Q_OBJECT
public:
    explicit TStallin(AppContext& app);

    void SpinUp();
    void SpinDown();
    void JaNejButton1Click();
    void JaNejButton2Click();
    void SparaClick();

    QFrame* YtterPanel;
    QFrame* InnerPanel;
    QLabel* TidLabel;
    ui::SpinButton* SpinButton1;
    QPushButton* JaNejButton1; // pictures
    QPushButton* JaNejButton2; // sound
    QPushButton* SparaButton;
    QPushButton* AvbrytButton;

private:
    void showMode(QPushButton* button, uint8_t& mode);
    void toggle(QPushButton* button, uint8_t& mode);

    AppContext& app_;
};

// The new-password dialog: the new password typed twice, for the teacher or for
// the learner logged in to the diagnosis. It is told whose password it sets
// and the one in use, and gives the new one back; the caller keeps it.
class TNLOS : public QDialog {
    Q_OBJECT
public:
    enum class For { Learner, Teacher };
    TNLOS(AppContext& app, For who, std::string current);
    // Whether a new password was typed twice and accepted, and which.
    bool changed() const { return changed_; }
    const std::string& newPassword() const { return password_; }

    // What the field's Enter key does.
    void enterPressed();

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* maskedit1;
    QPushButton* AvbrytButton;

    std::string FirstEntry;
    int PromptState = 1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prompt(const QString& text);
    void refuse(const QString& text);
    AppContext& app_;
    For who_;
    std::string password_;
    bool changed_ = false;
};

} // namespace lingvaro
