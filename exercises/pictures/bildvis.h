#pragma once
// The picture vocabulary window: every question shows its own picture of a
// plant or an animal, the Swedish word, and two or three Spanish names in
// numbered rows; the pupil clicks a row or types its digit. The birds exercise
// can also play the bird's call.

#include "exercises/common/exercisewindow.h"

#include <array>
#include <vector>

class QLabel;

namespace lingvaro {

class TBildvis : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TBildvis(AppContext& app);
    ~TBildvis() override;
    static const ExerciseRules& rules();

    QLabel* Image2;      // the question's picture
    QLabel* SvensktOrd;  // the Swedish word (field 4)
    std::array<QFrame*, 3> NrPanel;
    std::array<QFrame*, 3> AlternativPanel;
    std::array<QLabel*, 3> AltLabel;
    QLabel* RattSvarLabel; // the right answer, shown after a wrong choice
    QPushButton* HoraLjudetButton; // "Escucha el canto"

    int AlternativeCount = 0;
    std::vector<int> AlternativeOrder; // the field shown in row 1, 2, 3
    int RightRow = 0;
    bool AnswerShown = false;
    bool BirdCallPlayed = false;
    bool BirdCallExercise = false;

    // A row chosen by a click or its digit key (1..3).
    void RaettTest(int row);
    void HoraLjudetButtonClick();
    // The question's number: its place in the file, or in a correction pass the
    // number of the stored wrong answer.
    int questionNumber() const;
    // The room the question's picture is fitted into.
    QRect pictureBox() const;

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    void showEnd(const SeriesEnd& end) override;
    void clearEnd() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    int columnUnit() const;
    int rowOf(QObject* widget) const;
    void colourRows(int aquaRow);
    void placeRows();
    void placePicture();
    void stopBirdCall();
};

} // namespace lingvaro
