#pragma once
// "Om Lingvaro": a full-screen picture, the program's name and who made it; two
// small pictures each open an information panel.

#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;

namespace lingvaro {

struct AppContext;

class TOmVeka : public QDialog {
    Q_OBJECT
public:
    explicit TOmVeka(AppContext& app);

    void togglePanel(int which); // 1 or 2; opening one hides the other
    void hidePanels();

    QLabel* Background;
    QFrame* Card;     // the program's name, the credits and "&Avbryt"
    QLabel* Credits;
    QLabel* Picture1;
    QLabel* Picture2;
    QFrame* InfoPanel1;
    QFrame* InfoPanel2;
    QPushButton* AvbrytButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lingvaro
