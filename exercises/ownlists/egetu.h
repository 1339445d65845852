#pragma once
// "Skriv dina egna frågor": the editor of the pupil's own word lists. A heading
// (also the file's name), an instruction and any number of questions, each with
// its answer and up to two other accepted answers. Lists are kept in the own-list
// folder as "<heading>.egt", quizzed by the vocabulary quiz ("Glosförhör. Egna
// glosor", or at once with "Testa"), shown whole on the screen and printed.
//
// The pupil's work is never lost without a question: whatever would discard
// unsaved changes asks first, a list is written whole in one step, a save that
// fails says so and keeps the list, and what cannot be stored (a heading with
// ".", "/" or "\", a "#" in a box, a question beginning with ";", "$" or ")") is
// refused as it is typed.

#include <QDialog>
#include <QStringList>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace lingvaro {

struct AppContext;
class Engine;
class TUtskrift;
namespace ui {
class SpinButton;
}

class TEget : public QDialog {
    Q_OBJECT
public:
    explicit TEget(AppContext& app);
    ~TEget() override;

    // --- the editor ----------------------------------------------------------------------
    QFrame* Editor;            // everything the message panel locks
    QLabel* NamnLabel;         // the list's name
    QLineEdit* OverskriftEdit; // "Förhörets överskrift:"
    QLineEdit* InstruktionEdit; // "Förhörets instruktion:"
    std::array<QLineEdit*, 4> Box; // "Fråga:", "Svar:", "Alternativsvar 1:", "Alternativsvar 2:"
    QLabel* NummerLabel;       // "Fråga n"
    QLabel* AntalLabel;        // "Antal färdiga frågor: n"
    ui::SpinButton* SpinButton1;
    QPushButton* ForegaendeButton; // "&Föregående fråga"
    QPushButton* NastaButton;      // "&Nästa fråga"
    QPushButton* SparaButton;
    QPushButton* OppnaButton;
    QPushButton* VisaButton;       // "Se hela förhöret"
    QPushButton* TestaButton;
    QPushButton* SlutaButton;
    QMenu* PopupMenu1;

    // --- the message panel: a question the pupil answers with one of its buttons ----------
    QFrame* MeddelandePanel;
    QLabel* MeddelandeLabel;
    std::array<QPushButton*, 3> SvarButton;
    int DialogState = -1; // what the panel asks; -1 when it is hidden

    // --- choosing a list to open ------------------------------------------------------------
    QFrame* FilPanel;          // "Välj ett av dina förhör"
    QListWidget* FilLista;
    QPushButton* AvbrytButton;

    // --- the whole list ----------------------------------------------------------------------
    QFrame* VisaPanel;
    QPlainTextEdit* VisaText;
    QPushButton* MedSvarButton, *UtanSvarButton, *SkrivMedButton, *SkrivUtanButton, *StangButton;

    // What the editor holds.
    std::string OwnListName = "UtanNamn"; // the list's file name without ".egt" (cp1252)
    std::filesystem::path OwnListOpenedPath; // the file last opened or saved
    std::vector<std::string> Lines;          // the finished questions (cp1252)
    int EntryNo = 1;                          // the question in the boxes, from 1
    int entryCount() const { return int(Lines.size()); }
    bool unsaved() const;

    // Prints a list that is ready in the printer (tests print to a file).
    std::function<bool(TUtskrift&)> print;

    // --- what the buttons and keys do --------------------------------------------------------
    void boxEntered(int box); // Enter in box 0..3
    void NastaClick();
    void ForegaendeClick();
    void SparaClick();
    void SlutaClick();
    void OppnaClick();
    void openChosen();
    void VisaClick();
    void TestaClick();
    void showWhole(bool withAnswers);
    void printWhole(bool withAnswers);
    // The lines as the whole-list view shows them.
    QStringList wholeList(bool withAnswers) const;

    // Writes the list as it stands (the boxes stored first); false when it could
    // not be written, which the pupil has been told.
    bool save();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    struct Answer {
        QString caption;
        std::function<void()> act;
    };
    void ask(int state, const QStringList& lines, std::vector<Answer> answers);
    void answer(int button);
    void hideMessage();
    void layout();
    void connectBoxes();
    void refuse(QLineEdit* box, const QString& why);
    void textEdited(QLineEdit* box);

    std::array<std::string, 4> boxes() const;
    // The working list with the boxes stored (what a save writes), and whether
    // the boxes' question is kept.
    std::vector<std::string> storedLines(bool* kept = nullptr) const;
    void storeEntry();
    void fillBoxes();
    void refresh();
    void load(const std::filesystem::path& file);
    std::filesystem::path pathOf(const std::string& heading) const;
    std::string heading() const;
    std::string instruction() const;
    void saveThen(const std::function<void()>& after);
    void closeNow();

    AppContext& app_;
    Engine& e_;
    std::array<std::string, 4> draft_;   // the new question typed so far
    std::vector<std::string> savedLines_; // the list as last loaded or saved
    std::string savedHeading_, savedInstruction_;
    std::vector<Answer> answers_;
    std::unique_ptr<TUtskrift> printer_;
    bool closing_ = false;
};

} // namespace lingvaro
