#pragma once
// "Diagnostiskt prov": the login of the diagnosis. A learner picks his name (and
// types his password) or adds himself; the teacher logs in as "LÄRARE" to
// delete diagnoses, archive them all, or change the teacher password.

#include <QDialog>
#include <filesystem>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QFrame;

namespace lingvaro {

struct AppContext;
class DiagnosisFile;
namespace ui {
class PageBrowser;
}

class TDiag : public QDialog {
    Q_OBJECT
public:
    explicit TDiag(AppContext& app);

    enum class DeleteOption { None, WithPassword, WithoutPassword };
    enum class Waiting { Nothing, LearnerPassword, TeacherPassword, DeletePassword };

    void fillList();
    void NyPersonClick();
    void nameEntered();          // Enter in Edit1
    void learnerChosen();        // double click or Enter in the list
    void passwordEntered();      // Enter in MaskEdit1
    void deleteKey();            // R on a name in the list
    void deleteAllClick();       // "Ta bort alla diagnoser"
    void InfoClick();
    void newTeacherPassword();   // Ä on "INFO"
    void AvbrytClick();

    // The folder check, once a run: can the diagnosis be saved where it is kept?
    bool DiagnosFileWish(const std::string& dir);

    QWidget* Content; // everything but the background and the help page, centred
    QLabel* NamnlistaLabel;
    QListWidget* ListBox1;
    QLineEdit* Edit1;
    QLineEdit* MaskEdit1;
    QLabel* NameLabel;      // "Skriv namn. Tryck Enter."
    QLabel* PasswordLabel;  // "Skriv lösenordet:"
    QLabel* ErrorLabel;
    QLabel* DeleteLabel;    // "Ta bort diagnosen: " + name
    QPushButton* NyPersonButton;
    QPushButton* AvbrytButton;
    QFrame* TeacherPanel;
    QPushButton* DeleteAllButton;
    QPushButton* DeleteWithButton;
    QPushButton* DeleteWithoutButton;
    QPushButton* InfoButton;
    QFrame* HelpPanel;
    ui::PageBrowser* HelpBrowser;
    QPushButton* HelpCloseButton;

    DeleteOption deleteOption = DeleteOption::None;
    Waiting waiting = Waiting::Nothing;
    int attempts = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The message for a diagnosis file that is there but cannot be read.
    static QString unreadableText(const DiagnosisFile& file);

private:
    void openProtocol(bool newLearner);
    void wrongPassword();
    void deleteLoaded();
    std::filesystem::path teacherFile() const;
    std::string loadedName_;
    bool learnerIsNew_ = false; // chosen from the list, but no longer in the file
    AppContext& app_;
};

} // namespace lingvaro
