#pragma once
// The frame every exercise window is built in: a borderless full-screen window
// with the heading box, the instruction and question lines, the star column,
// the diagnosis counters, the button panel, the praise box, the reward picture,
// the rules button with its page, the worksheet rows, the keys and the clock of
// the waits. The series (series.h) decides; the frame shows what it decides.
//
// A window built on it supplies only its differences: its rules value, its
// question area and answer input (showQuestion, setAnswering, answerFocus), and
// its worksheet lines. Its constructor builds its own widgets and ends with
// begin().

#include "exercises/common/rules.h"
#include "exercises/common/series.h"
#include "results/skrivut.h"
#include "ui/rulepagepanel.h"

#include <QDialog>
#include <QStringList>
#include <memory>
#include <string>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace lingvaro {

class Engine;
class HeadingBox;
class TAster;
class WorksheetPanel;
struct AppContext;
struct WindowDescriptor;
namespace ui {
class PageBrowser;
class RulePagePanel;
}

class ExerciseWindow : public QDialog, protected SeriesView {
    Q_OBJECT
public:
    // className names the window's descriptor (its rules button and rule pages).
    ExerciseWindow(AppContext& app, const char* className, const ExerciseRules& rules);
    ~ExerciseWindow() override;

    Engine& engine() { return engine_; }
    ExerciseSeries& series() { return series_; }

    // --- the frame's parts, named as in every exercise window ----------------
    HeadingBox* Heading;
    QLabel* InstruktionsLabel;
    QLabel* FrageLabel1; // the question's upper line
    QLabel* FrageLabel2; // its lower line (the only one of a short question)
    QPushButton* regelknapp;
    ui::RulePagePanel* RegelPanel; // the rule page inside the window
    ui::PageBrowser* WebBrowser1;   // its browser
    QPushButton* ClosePanel2Knapp;  // its "&Cierra"
    QFrame* Panel1; // the button panel
    QPushButton* Button1; // "Corrige las &faltas"
    QPushButton* Button2; // "&Continúa"
    QPushButton* Button3; // "&Interrumpe"
    QPushButton* BitBtn1; // "&Ajustes"
    TAster* Aster2;
    QFrame* DiagPanel1;
    QLabel* DiagLabel3; // "n/20"
    QLabel* DiagLabel5; // right answers
    QFrame* DiagPanel2;
    QLabel* DiagLabel1; // "Diagnos: Testning", "Övning n"
    QFrame* LovordPanel;
    QFrame* lovordinnershape;
    QLabel* LovordLabel1;
    QLabel* LovordLabel2;
    QFrame* BildPanelen;
    QLabel* Image1;
    QFrame* BildTextPanel;
    QLabel* BildLabel;
    QFrame* SkrivutOverskriftShape1; // "Utskrifter"
    WorksheetPanel* Worksheet;
    QTimer* WaitTimer; // 100 ms ticks of the answer display and the final wait

    // The rule page of the current question: its own ("£" field) or the table's.
    QString RulePageName;
    bool OwnRulePage = false;
    // Help texts of the current line (fields from the window's first help field
    // up to the first empty one, "£" fields and the alternatives left out).
    QStringList HelpTexts;

    // --- handlers, public so tests drive them as the keys and buttons do -------
    // A window whose panel offers other things in the first and last places
    // (the level exercise's "&Fija el nivel", "&Abre el nivel") overrides these two.
    virtual void Button1Click(); // "Corrige las &faltas"
    void Button2Click(); // "&Continúa"
    void Button3Click(); // "&Interrumpe"
    virtual void BitBtn1Click(); // "&Ajustes"
    void regelknappClick();
    void ClosePanel2KnappClick();
    void WaitTimerTick();
    void spacePressed();
    void escapePressed();
    // Worksheet mode: the question on screen goes to the print lists.
    void sendToPrintList();
    void sendChosen(int count); // "&Klart"
    void printWorksheet(bool withAnswers);
    void clearPrintList();      // "&Rensa"

    // Scales a length of the design (a 1024-wide screen) to this window.
    int px(int designPixels) const;

protected:
    // --- what a window supplies ---------------------------------------------------
    // Shows the fetched question. The default shows field 1 in the question
    // lines; windows call it or replace it.
    void showQuestion() override;
    // Its answer input takes answers or not.
    void setAnswering(bool on) override = 0;
    // The widget that takes typed keys while a question is asked (nullptr: none).
    virtual QWidget* answerFocus() { return nullptr; }
    // Worksheet lines for the question on screen, and the exercise heading.
    virtual WorksheetTask worksheetTask();
    virtual WorksheetBlock worksheetBlock();
    // The first field that may hold a help text (3 in most windows).
    virtual int firstHelpField() const { return 3; }
    // Praise box; windows with one label override it.
    virtual void RitaLovord(const QString& t1, const QString& t2, const QString& t3);
    // Layout of the frame; windows move what differs after calling it.
    virtual void Inled();

    // Builds what every window has from the mode and starts the series. The
    // window's constructor calls it last.
    void begin();
    // Field 1 (or any text) in the question lines, broken where the labels'
    // own type makes it break.
    void showQuestionLines(const std::string& text);
    // The rules button as the window's table and the line's own page say.
    void updateRulesButton();
    // The right edge the question may reach: left of the star column.
    int questionRight() const;
    // The instruction with a final full stop removed (as printed), and the
    // standard task lines of a question and its answer.
    QString printedInstruction();
    WorksheetTask standardTask(const QString& question, const QString& answer) const;

    // SeriesView
    void setWaitTicking(bool on) override;
    void restartStars(int boxes) override;
    void hideStars() override;
    void starStep(bool wrong) override;
    void diagnosisChanged() override;
    void showEnd(const SeriesEnd& end) override;
    void clearEnd() override;
    void showPanel(bool correctionOffered) override;
    void hidePanel() override;
    void finish() override;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

    AppContext& app_;
    Engine& engine_;
    const ExerciseRules& rules_;
    const WindowDescriptor* descriptor_;
    ExerciseSeries series_;

private:
    void scanFields();
    void rulePageClosed();
    bool fittingInstruction_ = false;
    void showPreview(int list);
    void endPreview();
};

} // namespace lingvaro
