#pragma once
// The panel that shows a rule page, a language page or the manual inside a
// window: the page browser above and a close button docked along the bottom.
// The main window's manual, the page viewer and the exercise windows' rules
// button all show their pages in one of these.

#include <QFrame>
#include <QString>

class QPushButton;

namespace lingvaro {
class Engine;

namespace ui {
class PageBrowser;

class RulePagePanel : public QFrame {
    Q_OBJECT
public:
    // scalePercent sizes the type of a panel made after its window was scaled
    // (100 for a panel that is scaled together with its window).
    explicit RulePagePanel(QWidget* parent, const QString& closeCaption = QStringLiteral("&Cierra"),
                           int scalePercent = 100);

    PageBrowser* browser() const { return browser_; }
    QPushButton* closeButton() const { return close_; }

    // Shows a page of the installation, given as a path below the base folders
    // ("\data\Lingvaro.htm", "\regler\R56111.htm"): from the hard-disk
    // installation when it is there, else from the medium. On neither, the page
    // is emptied and the pupil is told "Filen <the medium's path> finns inte
    // eller är felaktig". True when a page is shown.
    bool showPage(Engine& engine, const QString& relative);

    // Closes the panel as its button does: hides it and says so.
    void closePanel();

signals:
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layOut();

    PageBrowser* browser_;
    QPushButton* close_;
};

} // namespace ui
} // namespace lingvaro
