#pragma once
// The vocabulary quiz: the pupil chooses a word list, writes a name, and is
// asked one word at a time. A right answer moves on at once; a wrong one shows
// the right answer and is kept for "Corrige las &faltas". A score rewards speed
// and the length of the answer, and can be entered in the list's record table
// ("&Tabell"). In worksheet mode the words of a list go to the print lists.
//
// Lists by exercise number: 1001 the general lists ("*.sp1", under long names),
// 1002 the special lists ("*.sp2"), 1003 the pupil's own lists ("*.egt"), 1004
// the own list just written (WordFilePath), asked at once.

#include "exercises/common/exercisewindow.h"
#include "exercises/wordquiz/wordsource.h"

#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;

namespace lingvaro {

class TextAnswer;

// A list the quiz offers: its name as shown and its file.
struct WordListEntry {
    QString shown;
    std::filesystem::path file;
};

// The lists offered for an exercise number, in alphabetical order of their
// file names. The general and special lists of the hard-disk installation,
// and those of the medium it lacks; the own lists of the own-list folder.
std::vector<WordListEntry> wordListEntries(const Engine& e, int exerciseNo);
// The long name of a general list's file stem (cut to 20 characters, any
// case), or the stem itself.
QString longListName(const QString& stem);
// Whether the pupil has written any own list.
bool ownListsExist(const Engine& e);

class TDinaOrd : public ExerciseWindow {
    Q_OBJECT
public:
    TDinaOrd(AppContext& app, uint16_t exerciseNo);
    static const ExerciseRules& rules();

    // --- the list, the name box, the quiz ---------------------------------------------
    QFrame* Panel2;          // the list panel
    QListWidget* ListBox1;   // "Elige archivo"
    QFrame* FilPanel;        // the title strip
    QLabel* FilLabel;
    QFrame* namnruta;        // "Escribe tu nombre" " Aprieta Enter."
    QLineEdit* Edit2;
    TextAnswer* Answer;
    QLabel* SvarsLabel;      // the right answer, in maroon
    QFrame* PoangPanel;      // "Fråga" and "Poäng"
    QLabel* FragaLabel;
    QLabel* PoangLabel;
    QFrame* Panel13;         // "Fel kvar:"
    QLabel* FelKvarLabel;
    QPushButton* TabellButton; // "&Tabell"

    int QuizPhase = 0;       // 0 choosing a list, 1 the name box, 2 the quiz
    bool FileReady = false;
    double Score = 0;
    // Milliseconds of a clock; tests set their own.
    std::function<qint64()> clock;

    // The entry chosen in the list (Enter or a double-click), or the own list of 1004.
    void chooseList();
    void nameEntered();
    void answerEntered();
    void TabellClick();
    // The score as shown: rounded, halves to even.
    static QString scoreText(double score);

protected:
    void Inled() override;
    void showQuestion() override;
    void setAnswering(bool on) override;
    QWidget* answerFocus() override;
    void diagnosisChanged() override;
    void showEnd(const SeriesEnd& end) override;
    void clearEnd() override;
    void showPanel(bool correctionOffered) override;
    WorksheetTask worksheetTask() override;
    WorksheetBlock worksheetBlock() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool loadList(const std::filesystem::path& file, const QString& title);
    void showList();
    void showHeading();
    void refreshBoxes();
    void startQuiz();

    WordListSource* source_;
    std::vector<WordListEntry> entries_;
    qint64 shownAt_ = 0;
    bool tabellEarned_ = false;
    bool sentByCount_ = false; // the word goes to the print lists by "&Klart"
};

} // namespace lingvaro
