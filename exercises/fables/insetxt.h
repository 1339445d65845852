#pragma once
// The reading comprehension window: a short Spanish fable to read, then
// questions about it, each with two or three answers to choose from with the
// mouse or the digit keys 1-3. The pupil may go back to the text at any time
// with "&Lée el texto".

#include "exercises/common/exercisewindow.h"

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace lingvaro {

class TInseTxt : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TInseTxt(AppContext& app);
    ~TInseTxt() override;
    static const ExerciseRules& rules();
    // The fable's text file of the data file being opened: under PcPath, else
    // under CdPath; nothing when neither has it.
    static std::optional<std::filesystem::path> textFile(const Engine& engine);

    std::array<QFrame*, 3> NrPanel;
    std::array<QFrame*, 3> AlternativPanel;
    std::array<QLabel*, 3> AltLabel;
    QLabel* RattSvarLabel;  // the right answer, shown after a wrong choice
    QFrame* TextPanel1;     // the text, over the question
    QPlainTextEdit* Memo1;
    QPushButton* SeTextButton; // "A las &preguntas" / "&Lée el texto"

    bool TextShown = true;
    int AlternativeCount = 0;
    std::vector<int> AlternativeOrder; // the field shown in row 1, 2, 3
    int RightRow = 0;
    bool AnswerShown = false;

    void SeTextButtonClick();
    // A row chosen by a click or its digit key (1..3).
    void RaettTest(int row);
    // The mouse over a row (0: over none).
    void hoverRow(int row);

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    void restartStars(int boxes) override;
    void showEnd(const SeriesEnd& end) override;
    void clearEnd() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadText();
    void showText(bool on);
    void drawHeading();
    void colourRows(int aquaRow);
    int rowOf(QObject* widget) const;
    int unit() const;
};

} // namespace lingvaro
