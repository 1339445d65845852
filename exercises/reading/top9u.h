#pragma once
// The name trick: the program introduces itself, asks the pupil's name and
// nine favourite names, shows them in three groups, asks twice in which group
// the favourite is, and names it. The nine names are shuffled with the
// window's own generator: the question draws of the exercises are not touched.

#include <QDialog>
#include <QString>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lingvaro {

struct AppContext;

namespace top9 {
// After the first answer (group 1..3) the names are dealt again: slot s takes
// the name that stood in slot order[s] (0-based). The three names of the
// chosen group then stand first in the three groups.
std::array<int, 9> regroupOrder(int group);
// After the second answer the favourite is the first name of that group.
inline int guessedSlot(int group) { return (group - 1) * 3; }
} // namespace top9

class Ttop9 : public QDialog {
    Q_OBJECT
public:
    explicit Ttop9(AppContext& app);

    QFrame* IntroPanel;
    QLineEdit* NameEdit;
    QFrame* SexPanel;
    QFrame* ListPanel;
    QLabel* ListLine2;      // group word + " que más te gustan."
    QPushButton* SiguienteButton; // "La &siguiente"
    QFrame* EntryPanel;
    QLabel* EntryHeading;   // "Mis nueve chicas favoritas son"
    std::array<QLabel*, 9> EntryLabels;
    QLineEdit* FavouriteEdit;
    QFrame* GroupPanel;
    std::array<QFrame*, 3> Groups;
    std::array<QLabel*, 9> GroupLabels;
    QLabel* RoundLabel;     // "Los nombres han cambiado de grupo." in the second round
    QFrame* FinalPanel;
    QLabel* Picture;
    QLabel* NameLabel;
    QLabel* GuessLabel;
    QPushButton* FinalCierra;

    QString pupilName() const { return name_; }
    QString groupWord() const { return groupWord_; }
    // The names in their slots as the groups show them (slot 0..8).
    const std::array<QString, 9>& places() const { return places_; }
    int round() const { return round_; }
    QString guessed() const { return guessed_; }
    QWidget* shownPanel() const;

    // --- steps, public so tests drive them as the keys do --------------------------
    void nameEntered();
    void chooseSex(QChar key); // O, o, 0 or A, a
    void SiguienteClick();
    void favouriteEntered();
    void groupChosen(int group); // 1..3

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int px(int designPixels) const;
    QFrame* card(const QStringList& lines, bool title = true);
    void showPanel(QFrame* panel);
    void showGroups();

    AppContext& app_;
    QString name_;
    QString groupWord_;
    std::array<QString, 9> places_;
    int entered_ = 0;
    int round_ = 0;
    QString guessed_;
};

} // namespace lingvaro
