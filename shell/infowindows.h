#pragma once
// The information windows of the "Spanien" menu: the map and the flag with its anthem.

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;
class QTimer;

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
    // Watches the anthem while it plays, to give "&Spela upp" back when it ends.
    QTimer* SoundWatch;

    // However the window closes ("&Avbryt", Esc, the window manager), the
    // anthem stops with it.
    void done(int result) override;

private:
    void showPlayButton(bool play);

    AppContext& app_;
};

} // namespace lingvaro
