#pragma once
// The information windows of the "Spanien" menu: the map and the flag with its anthem.

#include <QDialog>

class QLabel;
class QPushButton;

namespace lingvaro {

struct AppContext;

class TKarta : public QDialog {
    Q_OBJECT
public:
    explicit TKarta(AppContext& app);
    QLabel* Picture;
    QPushButton* AvbrytButton;
};

class TFlagga : public QDialog {
    Q_OBJECT
public:
    explicit TFlagga(AppContext& app);
    void SpelaUppClick();
    void AvbrytUppspelningClick();

    QLabel* Picture;
    QPushButton* SpelaUppButton;
    QPushButton* AvbrytUppspelningButton;
    QPushButton* AvbrytButton;

private:
    AppContext& app_;
};

} // namespace lingvaro
