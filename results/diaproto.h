#pragma once
// The diagnosis protocol: one row per item with the learner's latest result,
// its time and its status; Enter or a double click on a row tests or practises
// the item, or says which item comes first.

#include "ui/context.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QFrame;

namespace lingvaro {

class Tdiaprot : public QDialog, public DiagnosisHost {
    Q_OBJECT
public:
    // newLearner: the learner's record is not in the file yet (a name typed as
    // new); it is then added and never put in place of another learner's.
    explicit Tdiaprot(AppContext& app, bool newLearner = false);
    ~Tdiaprot() override;

    void rita_prot();   // fill the grid (and save a changed record)
    void summa();       // the sum row
    void InfoText();    // the notice for a waiting item
    void HjalpText();   // the help panel
    void chooseRow();   // Enter or a double click on ProtocolRow
    void UtseDiagProgram(int item);
    void UtseOvaProgram(int item, int status);
    void SparaProtokoll();
    void AvbrytClick();
    void NyttLosenClick();
    void SkrivUtClick();

    // What the exercise windows report.
    void diagnosback(int value) override;
    void practicePassed(int item) override;
    void enableProtocol() override;

    // Texts of the result column: 12, 10 or 8 spaces before the number.
    static QString resultText(int value);

    QLabel* TitleLabel;
    QTableWidget* StringGrid1;
    QFrame* ButtonBar;
    QPushButton* AvbrytButton;
    QPushButton* NyttLosenButton;
    QPushButton* SkrivUtButton;
    QPushButton* HjalpButton;
    QFrame* Panel1; // help
    QFrame* Panel2; // notice
    QLabel* NoticeLine1;
    QLabel* NoticeLine2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setCell(int row, int column, const QString& text);
    bool windowExists(int item);
    AppContext& app_;
    DiagnosisHost* previousHost_;
    bool newLearner_;
};

} // namespace lingvaro
