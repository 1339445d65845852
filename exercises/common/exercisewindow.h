#pragma once
// The protocol every exercise window follows, written once: a series of
// questions drawn without repeats, judging, the correct answer held on screen
// for a while, the star column, help texts, the wrong-letter lamp, the rule
// page, re-practice of the wrong answers, pause and resume, settings, praise and
// a reward picture, the diagnosis counters and pass rules, and worksheet mode,
// where the window picks questions for the print list instead of asking them.
//
// A window built on it supplies only what differs: how a question is shown and
// an answer taken, its variants by exercise number, which exercises have a rules
// button and which page each has, and its captions. Every state change runs
// through the handlers below, so a test can drive a whole series without
// painting and without waiting: the timers' tick handlers are public.

#include <QDialog>
#include <QString>
#include <string>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class QFrame;
class QWidget;

namespace lingvaro {

class Engine;
class TAster;
struct AppContext;
namespace ui {
class PageBrowser;
class SpinButton;
}

class ExerciseWindow : public QDialog {
    Q_OBJECT
public:
    explicit ExerciseWindow(AppContext& app);
    ~ExerciseWindow() override;

    // --- what a window supplies ----------------------------------------------
    // Exercise numbers with a rules button (in practice and diagnosis practice).
    virtual bool hasRulesButton(int exerciseNo) const { (void)exerciseNo; return false; }
    // The rule page of an exercise number, empty when it has none.
    virtual QString rulePageFor(int exerciseNo) const { (void)exerciseNo; return {}; }
    // Window variants by exercise number, applied to each new question.
    virtual void variant() {}
    // A window may delay its first question (Timer2).
    virtual bool delaysFirstQuestion() const { return false; }
    // Swedish captions on the button panel instead of the Spanish set.
    virtual bool swedishCaptions() const { return false; }

    // --- the protocol --------------------------------------------------------
    void FormCreate();       // called by the window at the end of its constructor
    void Inled();            // layout
    void RitaOverskriften(const QString& line1, const QString& line2, const QString& line3);
    void NyPost();           // next question
    void NollaLabeller();    // clear the labels
    void Avslutning();       // end of series
    void RitaLovord(const QString& t1, const QString& t2, const QString& t3);
    void NyStartaAster(bool start);
    void UppDateraDiagnosResultatet();
    void TestOverSkrift();
    void rensa();

    // Handlers
    void answerEntered();    // Enter in Edit1
    void escapePressed();    // Esc in Edit1
    void Edit1Change();
    void spacePressed();     // Space while the answer is shown
    void Button1Click();     // "Corrige las &faltas"
    void Button2Click();     // "&Continúa"
    void Button3Click();     // "&Interrumpe"
    void BitBtn1Click();     // "&Ajustes"
    void Helpknapp1Click();
    void HelpKnapp2Click();
    void lampknappClick();
    void LampShapeMouseDown();
    void regelknappClick();
    void ClosePanel2KnappClick();
    void paste(QChar letter); // the paste menu: "¡", "¿" or "ñ"
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    // Worksheet mode
    void sendToPrintList();   // the question on screen goes to both print lists
    void chooseCount(int delta);
    void countDone();         // "&Klart"
    void printWorksheet(bool withAnswers);
    void clearPrintList();    // "&Rensa"
    void showRow(QWidget* row);

    // Per-window state
    int HelpUsed = 0;
    int HelpTextCount = 0;
    bool LetterDisplayOn = false;
    bool FirstQuestion = true;
    bool ReturnToChoice = false;
    bool ListFromMainRow = false;
    int ChosenCount = 1;
    QString RulePageName;
    bool OwnRulePage = false;

    // Components, named as in every exercise window
    QFrame* OverskriftYtterShape;
    QFrame* OverskriftInnerShape;
    QLabel* Overs1Label;
    QLabel* Overs2Label;
    QLabel* Overs3Label;
    QLabel* InstruktionsLabel;
    QLabel* FrageLabel1;
    QLabel* FrageLabel2;
    QLineEdit* Edit1;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QPushButton* Helpknapp1;
    QPushButton* HelpKnapp2;
    QToolButton* lampknapp;
    QWidget* LampShape;
    QPushButton* regelknapp;
    QFrame* RegelPanel;
    ui::PageBrowser* WebBrowser1;
    QPushButton* ClosePanel2Knapp;
    QFrame* Panel1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* BitBtn1;
    TAster* Aster2;
    QFrame* DiagPanel1;
    QLabel* DiagLabel3;
    QLabel* DiagLabel5;
    QFrame* DiagPanel2;
    QLabel* DiagLabel1;
    QFrame* LovordPanel;
    QFrame* lovordinnershape;
    QLabel* LovordLabel1;
    QLabel* LovordLabel2;
    QFrame* BildPanelen;
    QLabel* Image1;
    QFrame* BildTextPanel;
    QLabel* BildLabel;
    QFrame* SkrivutOverskriftShape1;
    QLabel* SkrivutOverskriftLabel;
    QFrame* SkrivutHelaPanelen;
    QFrame* SkrivutPanel1;       // main row
    QFrame* SkrivutValPanel;     // choose yourself
    QFrame* SkrivutAntalPanel;   // count chooser
    QFrame* SkrivutSvarPanel;    // print with or without answers
    QFrame* SkrivutListValPanel; // view the choice
    QPushButton* TillMenynButton; // "Till &menyn", the cancel button in worksheet mode
    QLabel* AntalLabel;
    ui::SpinButton* AntalSpin;
    QList<QPushButton*> printButtons; // the two "&Skriv ut", the two "Se ditt &val" and "&Rensa"
    QMenu* PopupMenu1;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;

    Engine& engine() { return engine_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // The answer the typed text is judged against.
    virtual const std::string& correctAnswer() const;
    // Whether Timer1/Timer3 is counting an answer display (a non-zero interval
    // while running).
    bool answerShowing() const;
    int mode() const;
    void lampControls();
    void focusEdit();
    void starStep(bool wrong);
    void showButtonPanel();
    void passPractice();
    void closeWindow();

    AppContext& app_;
    Engine& engine_;
    int timer1Interval_ = 0; // the interval as the window set it; 0 = not ticking
    int timer3Interval_ = 0;

private:
    void buildWorksheetPanel();
    QPushButton* rowButton(QFrame* row, const QString& caption, const QString& hint, int column);
};

} // namespace lingvaro
