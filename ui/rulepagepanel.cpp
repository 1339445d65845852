#include "ui/rulepagepanel.h"

#include "engine/engine.h"
#include "engine/paths.h"
#include "ui/pagebrowser.h"
#include "ui/palette.h"
#include "ui/widgets.h"

#include <QKeyEvent>
#include <QPushButton>

namespace lingvaro::ui {

RulePagePanel::RulePagePanel(QWidget* parent, const QString& closeCaption, int scalePercent)
    : QFrame(parent), browser_(new PageBrowser(this)), close_(new QPushButton(closeCaption, this))
{
    setAutoFillBackground(true);
    setPanelColour(this, colour::Silver);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    browser_->setFont(pageFont(scalePercent));
    close_->setFont(readingFont(scalePercent));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &RulePagePanel::closePanel);
    layOut();
}

bool RulePagePanel::showPage(Engine& engine, const QString& relative)
{
    if (auto page = engine.findContentFile(relative)) {
        browser_->openPage(*page);
        return true;
    }
    browser_->clear();
    engine.fail(QStringLiteral("Filen ") + paths::display(engine.CdPath, relative)
                + QStringLiteral(" finns inte eller är felaktig"));
    return false;
}

void RulePagePanel::closePanel()
{
    hide();
    emit closed();
}

void RulePagePanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layOut();
}

void RulePagePanel::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the page first, whatever window it lies in.
    if (event->key() == Qt::Key_Escape) {
        closePanel();
        return;
    }
    QFrame::keyPressEvent(event);
}

// The button docked along the bottom; the browser above it, 5 pixels in from the
// panel's edges and ending 15 pixels above the button.
void RulePagePanel::layOut()
{
    const int buttonHeight = std::max(close_->sizeHint().height(), QFontMetrics(close_->font()).height() + 12);
    close_->setGeometry(0, height() - buttonHeight, width(), buttonHeight);
    browser_->setGeometry(5, 5, std::max(0, width() - 10), std::max(0, height() - buttonHeight - 20));
}

} // namespace lingvaro::ui
