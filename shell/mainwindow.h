#pragma once
// The main window: the menu panel with the subject buttons, six photographs of
// the country around it with their captions, the worksheet switch, the manual
// and the exit. It lives for the whole run; closing it ends the program.

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QFrame;

namespace lingvaro {

struct AppContext;
namespace ui {
class PageBrowser;
class RulePagePanel;
}

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(AppContext& app);

    // Start-up routines of the window.
    void Skaltest();
    void startbilder();

    // Button actions, in the panel's order.
    void Button1Click(); // "Spanien"
    void Button2Click(); // "Dina ord"
    void Button3Click(); // "Lyssna-skriva"
    void Button6Click(); // "Läsa"
    void Button5Click(); // "Grammatik"
    void Button7Click(); // "Diagnos"
    void Button8Click(); // worksheet mode on and off
    void Button9Click(); // "Manual"
    void Button10Click(); // "Om Lingvaro"

    // A photograph's caption, as its click or mouse-move handler shows it (k = 1..6
    // for BildImage11, 12, 13, 21, 22, 23): under or beside the photograph, and
    // always wholly on the screen.
    void showCaption(int k, bool click);

    // Components, under the names the program's documents use.
    QLabel* Image1;
    QFrame* Panel9;
    QLabel* Panel9Caption;
    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label6;
    QPushButton *Button1, *Button2, *Button3, *Button5, *Button6, *Button7, *Button8, *Button9, *Button10,
        *Button11;
    std::array<QLabel*, 7> BildImage{}; // 1..6: BildImage11, 12, 13, 21, 22, 23
    QLabel* Label3;
    QLabel* Label4;
    QWidget* Shape1;
    QLabel* Label2;
    // The manual's panel, made when the manual is first opened.
    ui::RulePagePanel* RegelPanel = nullptr;
    ui::PageBrowser* WebBrowser1 = nullptr;
    QPushButton* ClosePanel2Knapp = nullptr;

    // A subject button's menu, and the diagnosis.
    void openSubjectMenu(int button);
    void openDiagnosis();

    bool diagnosisCancelled = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layOut();
    void showBackground();
    void makeManualPanel();
    void subjectButton(int button);
    int screenWidth() const;
    int screenHeight() const;

    AppContext& app_;
    int captionPixels_ = 15; // the captions' type, as scaled with the window
};

} // namespace lingvaro
