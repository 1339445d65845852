#include "shell/visahtm.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "ui/context.h"
#include "ui/platform.h"
#include "ui/rulepagepanel.h"
#include "ui/widgets.h"

#include <QPushButton>

namespace lingvaro {

TVisaHtm::TVisaHtm(AppContext& app) : QDialog(nullptr)
{
    Engine& e = app.engine;
    setObjectName(QStringLiteral("TVisaHtm"));
    setWindowTitle(QStringLiteral("Lingvaro"));
    // Four fifths of the screen, laid out unscaled and then scaled as every
    // window is, so that its type grows with the screen too.
    const int scale = std::max(1, int(e.ScaleFactor));
    const QSize screen = app.platform.screenSize();
    resize(screen.width() * 4 / 5 * 100 / scale, screen.height() * 4 / 5 * 100 / scale);
    RegelPanel = new ui::RulePagePanel(this, QStringLiteral("&Cierra"));
    RegelPanel->setGeometry(rect());
    WebBrowser1 = RegelPanel->browser();
    CierraButton = RegelPanel->closeButton();
    connect(RegelPanel, &ui::RulePagePanel::closed, this, &QDialog::accept);

    const int n = e.ExerciseNo;
    if (n == 11300 || n == 54700 || n == 54800)
        RegelPanel->showPage(e, QStringLiteral("\\data\\") + fromCp1252(e.DataFileName));
    ui::scaleBy(this, scale);
    RegelPanel->setGeometry(rect());
    CierraButton->setFocus();
}

} // namespace lingvaro
