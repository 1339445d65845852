#pragma once
// The record table of a word list, full-screen: the list's best hundred with
// the pupil's new result already placed at its rank, highlighted and scrolled
// into view. "Tillbaka och &spara - Enter" keeps it in the table's file,
// "Tillbaka &utan att spara - ESC" leaves without saving.
//
// It reads what the quiz leaves in the engine: RecordTablePath, RecordName,
// RecordScore and WordListTitle.

#include "engine/recordtable.h"

#include <QDateTime>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

namespace lingvaro {

struct AppContext;

class TRekord : public QDialog {
    Q_OBJECT
public:
    // The new entry takes the time `when` (now, unless a test says otherwise).
    explicit TRekord(AppContext& app, QDateTime when = {});

    QFrame* TitelPanel;
    QLabel* TitelLabel;
    QFrame* TabellPanel;
    QTableWidget* StringGrid1;
    QPushButton* UtanButton;  // "Tillbaka &utan att spara - ESC"
    QPushButton* SparaButton; // "Tillbaka och &spara - Enter"

    // The new entry's row (1..101) and the rows as shown.
    int placedRow() const { return placed_; }
    const std::vector<RecordEntry>& rows() const { return rows_; }

    void SparaClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void layout();
    void fill();
    void scrollToEntry();
    QDateTime now() const;

    AppContext& app_;
    QDateTime when_;
    RecordEntry entry_;
    std::vector<RecordEntry> rows_;
    int placed_ = 1;
};

} // namespace lingvaro
