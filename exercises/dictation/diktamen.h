#pragma once
// The dictation and listening window. Each question is heard (or, without
// sound or when the pupil asks for it, flashed on the screen for a moment) and
// the pupil writes what was heard; in the pronunciation exercises the pupil
// instead listens, reads the text and says it, stepping on with "La siguiente
// ... - F3", and nothing is judged.
//
// Its timers, each with one role: the frame's wait clock (the answer shown
// after a wrong answer, and the final wait after a wrong last answer), Timer3
// (the end of a flash) and Timer5 (the presentation of a new question, a
// moment after it is shown, so the sound never starts before the window has
// settled).

#include "exercises/common/exercisewindow.h"

#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace lingvaro {

class SpeechPlayer;
class TextAnswer;
namespace ui {
class SpinButton;
}

class TDiktam : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TDiktam(AppContext& app);
    ~TDiktam() override;
    // The pronunciation exercises never judge and never end a series; the
    // others follow the protocol, with Esc in a test only pausing it.
    static const ExerciseRules& rulesFor(int exerciseNo);

    // The captions of the window's own buttons, by exercise number (UTF-8).
    struct Captions {
        const char* next;
        const char* repeat;
        const char* hearOnly;
        const char* seeOnly;
        const char* seeAndHear;
        const char* time;
    };
    static Captions captionsFor(int exerciseNo);

    TextAnswer* Answer;            // Edit1, the lamp, the help button "Hjälp" with Label6, the paste menu
    QLabel* Label5;                // the text, shown after a wrong answer
    QLabel* BlinkLabel;            // the flash
    QLabel* Svensklabel1;          // the Swedish translation, upper line
    QLabel* Svensklabel2;          // its lower line (the only one of a short one)
    QPushButton* UpprepaButton;    // "Repite ... - F2"
    QPushButton* BaraHoraButton;   // hear only
    QPushButton* BaraseordetButton; // see only
    QPushButton* SeochHoraButton;  // see and hear
    QPushButton* NextButton;       // "La siguiente ... - F3"
    ui::SpinButton* TidSpinButton; // how long the flash lasts
    QLabel* SeTidPanel;            // that time in tenths of a second
    QLabel* SeIntervalLabel;       // its caption
    QTimer* Timer3;                // the end of a flash
    QTimer* Timer5;                // the presentation of a new question
    SpeechPlayer* Speech;

    bool SoundOn = false;    // sounds are played (fixed when the window opens)
    int ShowMode = 0;        // 0 hear, 1 see, 2 see and hear
    int FlashTime = 100;     // milliseconds the flashed text stays, 100 .. 3000
    std::string TargetText;  // what is heard and written: field 1 (cp1252)

    // --- handlers, public so tests drive them as the buttons and keys do ----------
    void UpprepaButtonClick();
    void BaraHoraButtonClick();
    void BaraseordetButtonClick();
    void SeochHoraButtonClick();
    void NextButtonClick();
    void TidSpinUp();
    void TidSpinDown();
    void Timer3Timer();
    void Timer5Timer();
    void answerEntered();

    // The number of the question on screen: its place in the file, or in a
    // correction pass that of the stored wrong answer.
    int questionNumber() const;
    bool pronunciation() const;
    bool flashing() const { return flashing_; }

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    QWidget* answerFocus() override;
    void showEnd(const SeriesEnd& end) override;
    void showPanel(bool correctionOffered) override;
    void RitaLovord(const QString& t1, const QString& t2, const QString& t3) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void done(int result) override;

private:
    void arrangeWithoutSound();
    void schedulePresentation();
    void present();
    void playSound();
    void flash();
    void endFlash();
    void showTranslation();
    void placeRows();
    void focusAnswer();
    void setSeeControlsVisible(bool on);

    bool flashing_ = false;
    bool presentationPending_ = false;
    bool firstPresentation_ = true;
    int presentTicks_ = 0;
    bool asking_ = false;
};

} // namespace lingvaro
