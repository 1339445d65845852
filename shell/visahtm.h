#pragma once
// A page opened from a menu ("Spanska språket", the two number tricks).

#include <QDialog>

class QPushButton;
class QFrame;

namespace lingvaro {

struct AppContext;
namespace ui {
class PageBrowser;
}

class TVisaHtm : public QDialog {
    Q_OBJECT
public:
    explicit TVisaHtm(AppContext& app);

    QFrame* RegelPanel;
    ui::PageBrowser* WebBrowser1;
    QPushButton* CierraButton;
};

} // namespace lingvaro
