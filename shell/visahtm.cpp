#include "shell/visahtm.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "ui/context.h"
#include "ui/pagebrowser.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QPushButton>

namespace lingvaro {

TVisaHtm::TVisaHtm(AppContext& app) : QDialog(nullptr)
{
    Engine& e = app.engine;
    setWindowTitle(QStringLiteral("Lingvaro"));
    const QSize screen = app.platform.screenSize();
    resize(screen.width() * 4 / 5, screen.height() * 4 / 5);
    RegelPanel = ui::makePanel(this, QColor(192, 192, 192), 2);
    RegelPanel->setGeometry(rect());
    WebBrowser1 = new ui::PageBrowser(RegelPanel);
    CierraButton = new QPushButton(QStringLiteral("&Cierra"), RegelPanel);
    connect(CierraButton, &QPushButton::clicked, this, &QDialog::accept);

    const int n = e.ExerciseNo;
    if (n == 11300 || n == 54700 || n == 54800) {
        const QString relative = QStringLiteral("\\data\\") + fromCp1252(e.DataFileName);
        if (auto page = e.findContentFile(relative))
            WebBrowser1->openPage(*page);
        else
            e.fail(QStringLiteral("Filen ") + paths::display(e.CdPath, relative)
                   + QStringLiteral(" finns inte eller är felaktig"));
    }
    const int buttonHeight = CierraButton->sizeHint().height();
    WebBrowser1->setGeometry(5, 5, RegelPanel->width() - 10, RegelPanel->height() - buttonHeight - 20);
    CierraButton->setGeometry(0, RegelPanel->height() - buttonHeight, RegelPanel->width(), buttonHeight);
    CierraButton->setFocus();
}

} // namespace lingvaro
