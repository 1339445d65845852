#pragma once
// "Vem eller vilka ska spela?": the names of one, two or three players before
// a game. Player 1's name is the quiz pupil's name (PupilName). The dialog
// closes as accepted only when every name field shown holds a name; "&Para"
// and Esc leave it with PlayersCancelled set.

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lingvaro {

struct AppContext;

class TSpelNam : public QDialog {
    Q_OBJECT
public:
    explicit TSpelNam(AppContext& app);

    static constexpr int NameLength = 19;

    QLabel* RubrikLabel;                   // "¿Cuántos jugadores?"
    std::array<QPushButton*, 3> Antal;     // "&Un jugador", "&Dos jugadores", "&Tres jugadores"
    QLabel* PromptLabel;
    std::array<QLineEdit*, 3> Namn;
    std::array<QLabel*, 3> Fel;            // "Eso no era ningún nombre."
    QLabel* EscapeLabel;                   // "Puedes salir con la tecla de Escape."
    QPushButton* ParaButton;               // "&Para"

    void chooseCount(int players);
    // Enter in name field 1..3.
    void nameEntered(int field);
    // Every shown field must hold a name; true (and the dialog accepted) when they do.
    bool testNames();
    void ParaClick();
    int shownFields() const { return shown_; }
    int failures() const { return failures_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& app_;
    int shown_ = 0;
    int failures_ = 0;
    bool namesKnown_ = false; // the names of the last game are shown and not yet touched
};

} // namespace lingvaro
