#include "shell/menus.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/oddword/katten.h"
#include "exercises/oddword/spelnamn.h"
#include "exercises/ownlists/egetu.h"
#include "exercises/reading/avsloja.h"
#include "exercises/reading/speedu.h"
#include "exercises/reading/top9u.h"
#include "exercises/duel/falska.h"
#include "shell/infowindows.h"
#include "shell/visahtm.h"
#include "ui/context.h"
#include "ui/palette.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>
#include <string_view>

namespace lingvaro {
namespace {

constexpr int ButtonWidth = 255;
constexpr int ButtonHeight = 30;
constexpr int Margin = 16;

template <class Window>
WindowOpener opener()
{
    return [](AppContext& app) { return ui::showModal<Window>(app.platform, app) != 0; };
}

} // namespace

const std::map<std::string, WindowOpener>& windowRegistry()
{
    static const std::map<std::string, WindowOpener> windows = [] {
        std::map<std::string, WindowOpener> all = exerciseWindows();
        all.emplace("TVisaHtm", opener<TVisaHtm>());
        all.emplace("TKarta", opener<TKarta>());
        all.emplace("TFlagga", opener<TFlagga>());
        all.emplace("TEget", opener<TEget>());
        all.emplace("TSpelNam", opener<TSpelNam>());
        all.emplace("Tkatten", opener<Tkatten>());
        all.emplace("Tavsloj", opener<Tavsloj>());
        all.emplace("TSpeed", opener<TSpeed>());
        all.emplace("Ttop9", opener<Ttop9>());
        all.emplace("TFalska", opener<TFalska>());
        return all;
    }();
    return windows;
}

TMenu::TMenu(AppContext& app, const MenuDef& def) : QDialog(nullptr), menu(def), app_(app)
{
    Engine& e = app.engine;
    setObjectName(QString::fromLatin1(def.name));
    setWindowTitle(QString::fromUtf8(def.title));
    setWindowFlag(Qt::FramelessWindowHint);

    const int count = int(def.items.size()) + 1;
    const QFont font = ui::programFont(19);
    // Buttons are 255 pixels wide, wider where a caption would not fit.
    int buttonWidth = ButtonWidth;
    const QFontMetrics metrics(font);
    for (const MenuItem& item : def.items)
        buttonWidth = std::max(buttonWidth, metrics.horizontalAdvance(QString::fromUtf8(item.caption)) + 24);
    const int width = buttonWidth + 2 * Margin;
    const int height = 56 + count * (ButtonHeight + 6) + Margin;
    resize(width, height);
    Panel = ui::makePanel(this, isWorksheet(e.WorkMode) ? ui::colour::Maroon : ui::colour::Navy, 3);
    Panel->setGeometry(0, 0, width, height);
    TitleLabel = ui::makeLabel(Panel, QString::fromUtf8(def.title), 24, true, ui::colour::Yellow);
    TitleLabel->setAlignment(Qt::AlignCenter);
    TitleLabel->setGeometry(0, 12, width, 32);

    for (int i = 0; i < count; ++i) {
        const bool back = i == count - 1;
        auto* b = new QPushButton(QString::fromUtf8(back ? def.back : def.items[std::size_t(i)].caption), Panel);
        b->setFont(font);
        b->setGeometry(Margin, 56 + i * (ButtonHeight + 6), buttonWidth, ButtonHeight);
        b->setAutoDefault(false);
        if (!back && isWorksheet(e.WorkMode) && def.items[std::size_t(i)].offInWorksheet)
            b->setEnabled(false);
        connect(b, &QPushButton::clicked, this, [this, i] { buttonClicked(i); });
        buttons << b;
    }
    ui::scaleBy(this, e.ScaleFactor);
    // The title label sits half a letter from the left, a letter narrower than the panel.
    TitleLabel->setGeometry(e.LetterWidth / 2, TitleLabel->y(), Panel->width() - e.LetterWidth, TitleLabel->height());
    // Each submenu a little down and to the right of the one it came from, so
    // the way back stays in sight.
    const QSize screen = app.platform.screenSize();
    const int depth = openMenus_++;
    const int step = 3 * e.LetterWidth;
    move((screen.width() - this->width()) / 2 + depth * step,
         std::max(0, (screen.height() - this->height()) / 2 + depth * step));
}

int TMenu::openMenus_ = 0;

void TMenu::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the button that has the keyboard, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && buttons.contains(button)) {
            button->click();
            return;
        }
    QDialog::keyPressEvent(event);
}

TMenu::~TMenu()
{
    --openMenus_;
}

void TMenu::buttonClicked(int index)
{
    if (index == int(menu.items.size())) {
        reject();
        return;
    }
    const MenuItem& item = menu.items[std::size_t(index)];
    if (findMenu(item.opens))
        openMenu(app_, item.opens);
    else
        openLeaf(app_, item);
}

void connectExerciseWindows(AppContext& app)
{
    app.openExerciseWindow = [&app](const std::string& windowClass) {
        const auto& registry = windowRegistry();
        const auto it = registry.find(windowClass);
        if (it == registry.end()) {
            app.engine.inform(QStringLiteral("Denna övning finns inte ännu."));
            return false;
        }
        it->second(app);
        return true;
    };
}

void openMenu(AppContext& app, const std::string& name)
{
    if (const MenuDef* def = findMenu(name))
        ui::showModal<TMenu>(app.platform, app, *def);
}

void openLeaf(AppContext& app, const MenuItem& item)
{
    Engine& e = app.engine;
    // The exercise number follows the leaf's file unless the leaf names one: a
    // window that reads its file through the engine (the game after its player
    // names) must not find the number a quiz of own lists left behind.
    if (item.dataFile) {
        e.DataFileName = toCp1252(QString::fromUtf8(item.dataFile));
        e.ExerciseNo = Engine::GeProgramtal(e.DataFileName);
    }
    if (item.exerciseNo != 0)
        e.ExerciseNo = uint16_t(item.exerciseNo);

    const QStringList windows = QString::fromLatin1(item.opens).split(u' ', Qt::SkipEmptyParts);
    const auto& registry = windowRegistry();
    for (const QString& w : windows) {
        if (registry.find(w.toStdString()) == registry.end()) {
            e.inform(QStringLiteral("Denna övning finns inte ännu."));
            return;
        }
    }
    switch (item.check) {
    case Check::Kolla:
        if (!e.Kolla(e.DataFileName))
            return;
        break;
    case Check::Kolla2:
        if (!e.Kolla2(e.DataFileName))
            return;
        break;
    case Check::None:
        break;
    }
    for (const QString& w : windows) {
        const bool carriedOn = registry.at(w.toStdString())(app);
        // A window that leads to the next (the player names before a game) stops
        // the row when it is cancelled.
        if (!carriedOn && windows.size() > 1)
            return;
    }
}

} // namespace lingvaro
