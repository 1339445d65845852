#pragma once
// The duel game: the pupil races the computer player "VEKA". Each turn shows
// five Spanish words, and the pupil says how many of them carry the mark the
// instruction names (a θ sound, the stress on the last syllable, the
// masculine gender) with a digit button or key. A right answer moves the
// pupil's token on by that many squares, a wrong one VEKA's; twenty squares
// win.

#include <QDialog>
#include <array>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lingvaro {

class Engine;
class HeadingBox;
class SpeechPlayer;
struct AppContext;

class TFalska : public QDialog {
    Q_OBJECT
public:
    explicit TFalska(AppContext& app);
    ~TFalska() override;

    enum class State { NameBox, Asking, JudgedWrong, Paused, GameOver };
    State state() const { return state_; }

    // --- the parts, named as the game names them ---------------------------------
    QFrame* Panel3;      // the name box
    QLabel* Label3;      // "Escribe tu nombre"
    QLabel* Label4;      // " Aprieta Enter."
    QLineEdit* Edit1;    // the name
    HeadingBox* Heading;
    QLabel* InstruktionsLabel;
    std::array<QLabel*, 5> ty;  // the five words
    std::array<QLabel*, 5> SV;  // their Swedish translations
    QLabel* InstruktionsLabel2; // "Presiona una cifra."
    QFrame* AntalPanel;
    std::array<QPushButton*, 6> SpeedButton; // "0" .. "5"
    QFrame* SpeedPanel1;  // the right number, in red, after a wrong answer
    QLabel* SpeedLabel1;
    QPushButton* Nextbutton;     // "La siguiente"
    QPushButton* HoraButton;     // "Oír les letras"
    QPushButton* OversattButton; // "Sueco"
    QFrame* Panel1;              // the track: blue, yellow, bevelled
    QFrame* MellanPanel;
    QFrame* Panel2;
    std::array<QFrame*, 40> Shape; // squares 1 .. 40: the pupil's lane, then VEKA's
    QLabel* Label2;                // the pupil's name
    QLabel* Label1;                // "VEKA"
    QFrame* Escapepanel;           // the pause panel
    QPushButton* Button3;          // "&Continúa"
    QPushButton* Button4;          // "&Interrumpe"
    QPushButton* Button5;          // "&Ajustes", never shown
    QFrame* BildPanelen;           // covers the playing area when the game is over
    QFrame* LovordPanel;           // the praise box
    QFrame* lovordinnershape;
    QLabel* LovordLabel1;
    SpeechPlayer* Speech;

    // --- the game -----------------------------------------------------------------
    int PupilPosition = 0;
    int ComputerPosition = 0;
    int ChosenNumber = 0;
    int RightNumber = 0;
    std::array<bool, 5> MarkedFlags{};
    std::array<int, 5> TurnQuestions{};
    int EmptyNameCount = 0;
    std::string TargetMark;
    bool GameOver = false;
    bool PupilWon = false;
    int SquareWidth = 0, SquareStep = 0, UpperRowTop = 0, LowerRowTop = 0;

    // --- handlers, public so tests drive them as the buttons and keys do ------------
    void NyPost();
    void answer(int number); // a digit button or key
    void NextButtonClick();
    void HoraButtonClick();
    void OversattButtonClick();
    void Button3Click(); // "&Continúa"
    void Button4Click(); // "&Interrumpe"
    // A square is filled (yellow) or empty (blue); every square blue; the
    // squares whose tags lie in from..to yellow.
    bool filled(int tag) const;
    void ClearTrack();
    void FillSquares(int from, int to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void nameEntered();
    void placeParts();
    void PlaceSquares();
    void RitaOverskriften(const QString& line1, const QString& line2, const QString& line3);
    void RitaLovord(const QString& t1, const QString& t2, const QString& t3);
    void Kollasvar();
    void Avslutning();
    void EnableDigitButtons(bool on);
    void VisTexterna(bool on);
    void pause();
    void soundsEnded();
    bool hearsWords() const;
    int px(int v) const;

    AppContext& app_;
    Engine& e_;
    State state_ = State::NameBox;
    State beforePause_ = State::Asking;
};

} // namespace lingvaro
