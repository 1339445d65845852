#pragma once
// A page opened from a menu ("Spanska språket", the two number tricks).

#include <QDialog>

class QPushButton;

namespace lingvaro {

struct AppContext;
namespace ui {
class PageBrowser;
class RulePagePanel;
}

class TVisaHtm : public QDialog {
    Q_OBJECT
public:
    explicit TVisaHtm(AppContext& app);

    ui::RulePagePanel* RegelPanel;
    ui::PageBrowser* WebBrowser1;
    QPushButton* CierraButton;
};

} // namespace lingvaro
