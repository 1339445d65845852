// The exercise window in worksheet mode: what it sends to the print lists,
// and the preview of those lists.

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "exercises/common/exercisewindow.h"
#include "exercises/common/worksheetpanel.h"
#include "results/skrivut.h"
#include "ui/context.h"
#include "ui/platform.h"

#include <QLabel>

namespace lingvaro {
namespace {
QString shown(const std::string& cp1252) { return fromCp1252(cp1252); }
} // namespace

// --- worksheet mode ----------------------------------------------------------------------------------

QString ExerciseWindow::printedInstruction()
{
    // The data file's instruction as a worksheet prints it: "Traduce" and no
    // more (the rest speaks of typing and Enter), without its final full stop;
    // the screen shows it so too.
    QString instruction = shown(engine_.HeaderInstruction);
    if (instruction.contains(QStringLiteral("Traduce")))
        instruction = instruction.left(8);
    if (instruction.endsWith(u'.'))
        instruction.chop(1);
    InstruktionsLabel->setText(instruction);
    return instruction;
}

WorksheetBlock ExerciseWindow::worksheetBlock()
{
    Engine& e = engine_;
    WorksheetBlock block;
    if (!e.HeaderLines[1].empty()) {
        std::string heading = e.HeaderLines[1];
        if (!e.HeaderLines[2].empty())
            heading += ". " + e.HeaderLines[2] + ". " + e.HeaderLines[3];
        block.heading = shown(cut(heading, 80));
    }
    const QString instruction = printedInstruction();
    if (!instruction.isEmpty())
        block.withoutAnswers << QStringLiteral("      ") + instruction + QStringLiteral(":");
    return block;
}

WorksheetTask ExerciseWindow::standardTask(const QString& question, const QString& answer) const
{
    return {{question, QStringLiteral("       ") + QString(57, u'_')}, {question, QStringLiteral("       ") + answer}};
}

WorksheetTask ExerciseWindow::worksheetTask()
{
    const Engine& e = engine_;
    return standardTask(shown(e.AnswerFields[1]), app_.utskrift ? app_.utskrift->UtSkriftSvar(e.AnswerFields[2])
                                                                : shown(e.AnswerFields[2]));
}

void ExerciseWindow::sendToPrintList()
{
    if (!app_.utskrift)
        return;
    app_.utskrift->sendTask(worksheetBlock(), worksheetTask());
    Worksheet->setPrintButtonsEnabled(true);
}

void ExerciseWindow::sendChosen(int count)
{
    if (count == 0 && app_.utskrift && engine_.WorksheetHeadPending) {
        // Nothing chosen: the heading alone goes to the list, as it was pending.
        app_.utskrift->sendHeading(worksheetBlock());
        Worksheet->setPrintButtonsEnabled(true);
    }
    for (int i = 0; i < count; ++i) {
        sendToPrintList();
        series_.NyPost();
    }
}

void ExerciseWindow::printWorksheet(bool withAnswers)
{
    Engine& e = engine_;
    e.PrintHeadingNeeded = true;
    e.PrintWithAnswers = withAnswers;
    if (app_.utskrift)
        app_.utskrift->SkrivutFraga();
}

void ExerciseWindow::clearPrintList()
{
    if (app_.utskrift) {
        app_.utskrift->Rensa(true);
    } else {
        Engine& e = engine_;
        e.PrintHeadingNeeded = true;
        e.WorksheetHeadPending = true;
        e.WorksheetTaskCount = 0;
        e.PageNo = 1;
        e.WorksheetBlockCount = 0;
    }
    Worksheet->setPrintButtonsEnabled(false);
}

void ExerciseWindow::showPreview(int list)
{
    TUtskrift* printer = app_.utskrift;
    if (!printer)
        return;
    // The preview is a window of this one while it shows: above it under any
    // window manager, and usable while this window is modal.
    if (printer->parentWidget() != this)
        printer->setParent(this, Qt::Window | Qt::Tool);
    printer->showList(list);
    const QSize screen = app_.platform.screenSize();
    printer->setGeometry(screen.width() / 2, screen.height() / 8, screen.width() / 2 - engine_.LetterWidth,
                         screen.height() * 5 / 8);
    printer->show();
    printer->raise();
    printer->activateWindow();
}

void ExerciseWindow::endPreview()
{
    TUtskrift* printer = app_.utskrift;
    if (printer && printer->parentWidget() == this) {
        printer->hide();
        printer->setParent(nullptr, Qt::Window);
    }
}

} // namespace lingvaro
