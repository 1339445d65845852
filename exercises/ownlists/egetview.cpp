// The own-list editor: the whole list on the screen and on paper, and "Testa".

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/wordlist.h"
#include "exercises/ownlists/egetu.h"
#include "exercises/wordquiz/tyskord.h"
#include "results/skrivut.h"
#include "ui/context.h"
#include "ui/platform.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lingvaro {
namespace fs = std::filesystem;

namespace {

QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }

QString numbered(int n, const QString& text)
{
    return (n < 10 ? QStringLiteral("    %1  ") : n < 100 ? QStringLiteral("  %1  ") : QStringLiteral("%1  ")).arg(n) + text;
}

QString printPrefix(int k)
{
    return (k < 10 ? QStringLiteral("   %1. ") : k < 100 ? QStringLiteral(" %1. ") : QStringLiteral("%1. ")).arg(k);
}

const QString Indent = QStringLiteral("       "); // seven spaces before an answer line

} // namespace

QStringList TEget::wholeList(bool withAnswers) const
{
    const std::string title = heading(), how = instruction();
    QStringList out = {QStringLiteral("        ") + shown(title), QStringLiteral("        ") + shown(how), QString()};
    const std::vector<std::string> lines = storedLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto boxes = ownListBoxes(lines[i]);
        out << numbered(int(i) + 1, shown(boxes[0]));
        if (withAnswers) {
            for (std::size_t f = 1; f < boxes.size(); ++f)
                if (!boxes[f].empty())
                    out << QStringLiteral("        ") + shown(boxes[f]);
            if (i + 1 < lines.size())
                out << QString(50, u'-');
        } else {
            out << QString() << QString(60, u'_');
        }
    }
    return out;
}

void TEget::VisaClick()
{
    if (DialogState >= 0)
        return;
    showWhole(false);
    VisaPanel->show();
    VisaPanel->raise();
    StangButton->setFocus();
}

void TEget::showWhole(bool withAnswers)
{
    VisaText->setPlainText(wholeList(withAnswers).join(u'\n'));
}

void TEget::printWhole(bool withAnswers)
{
    // The printer's list is filled afresh each time: a second printout is the
    // list once more, not twice over.
    TUtskrift& printer = *printer_;
    printer.ListBox1->clear();
    printer.ListBox2->clear();
    e_.PrintWithAnswers = withAnswers;
    QListWidget* list = withAnswers ? printer.ListBox2 : printer.ListBox1;
    const std::string title = heading(), how = instruction();
    for (const std::string& head : {title, how})
        if (!head.empty())
            list->addItem(shown(head));
    const std::vector<std::string> lines = storedLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto boxes = ownListBoxes(lines[i]);
        list->addItem(printPrefix(int(i) + 1) + shown(boxes[0]));
        if (withAnswers) {
            for (std::size_t f = 1; f < boxes.size(); ++f)
                if (!boxes[f].empty())
                    list->addItem(Indent + shown(boxes[f]));
        } else {
            list->addItem(Indent + QString(55, u'_'));
        }
    }
    for (QPushButton* b : {SkrivMedButton, SkrivUtanButton})
        b->setEnabled(false);
    if (print)
        print(printer);
    for (QPushButton* b : {SkrivMedButton, SkrivUtanButton})
        b->setEnabled(true);
}

void TEget::TestaClick()
{
    if (DialogState >= 0 || OwnListOpenedPath.empty())
        return;
    auto test = [this] {
        e_.ExerciseNo = 1004;
        e_.WordFilePath = OwnListOpenedPath.native();
        ui::showModal<TDinaOrd>(app_.platform, app_, uint16_t(1004));
        Box[0]->setFocus();
    };
    if (!unsaved()) {
        test();
        return;
    }
    // The quiz reads the file: what is not saved yet would not be asked.
    ask(15, {QStringLiteral("Förhöret har ändrats sedan det sparades."), QStringLiteral("Ska du spara det innan du testar?")},
        {{QStringLiteral("Ja, spara först"), [this, test] { saveThen(test); }},
         {QStringLiteral("Testa det sparade"), test},
         {QStringLiteral("Återgå"), {}}});
}

} // namespace lingvaro
