#pragma once
// The worksheet rows of an exercise window in worksheet mode: five overlapping
// maroon rows, one shown at a time (the main row, choosing yourself, the count
// chooser, printing with or without answers, viewing the choice). The panel
// only asks; the window sends, prints and previews.

#include <QFrame>
#include <QList>

class QLabel;
class QPushButton;

namespace lingvaro {
namespace ui {
class SpinButton;
}

class WorksheetPanel : public QFrame {
    Q_OBJECT
public:
    explicit WorksheetPanel(QWidget* parent, int scalePercent = 100);

    QFrame* SkrivutPanel1;       // main row
    QFrame* SkrivutValPanel;     // choose yourself
    QFrame* SkrivutAntalPanel;   // count chooser
    QFrame* SkrivutSvarPanel;    // print with or without answers
    QFrame* SkrivutListValPanel; // view the choice
    QPushButton* TillMenynButton; // "Till &menyn"
    QLabel* AntalLabel;
    ui::SpinButton* AntalSpin;
    // The two "&Skriv ut", the two "Se ditt &val" and "&Rensa": usable only when
    // the print list holds something.
    QList<QPushButton*> printButtons;

    void showRow(QWidget* row);
    QWidget* shownRow() const;
    void setPrintButtonsEnabled(bool on);
    // The count chooser: at most the questions of the file, at least 0.
    void setMaximum(int questions) { maximum_ = questions; }
    void chooseCount(int delta);
    int ChosenCount = 1;
    bool ReturnToChoice = false;
    bool ListFromMainRow = false;

    // Places the rows across the window's width.
    void layoutRows(int windowWidth);

signals:
    void nextRequested();           // "&Nästa uppgift"
    void sendRequested();           // "Skickas &till utskrift"
    void countChosen(int count);    // "&Klart"
    void printRequested(bool withAnswers);
    void previewRequested(int list); // 1 without answers, 2 with them
    void previewClosed();
    void clearRequested();          // "&Rensa"
    void toMenuRequested();         // "Till &menyn"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* rowButton(QFrame* row, const QString& caption, const QString& hint, int column);
    int scale_;
    int maximum_ = 0;
};

} // namespace lingvaro
