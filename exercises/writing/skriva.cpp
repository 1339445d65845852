#include "exercises/writing/skriva.h"

#include "engine/cp1252.h"
#include "engine/engine.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>

namespace lingvaro {

TSKRIV::TSKRIV(AppContext& app) : ExerciseWindow(app)
{
    setObjectName(QStringLiteral("TSKRIV"));
    FormCreate();
}

bool TSKRIV::hasRulesButton(int n) const
{
    static constexpr std::array numbers{106,   108,   111,   114,   116,   52300, 52500, 53500, 53600, 54100,
                                        54200, 54600, 55400, 55740, 56857, 56858, 56859, 56861, 56862, 57200};
    return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

QString TSKRIV::rulePageFor(int n) const
{
    switch (n) {
    case 106: case 52300: return QStringLiteral("R22200.htm");
    case 52500: return QStringLiteral("R22300.htm");
    case 53500: case 53600: return QStringLiteral("R24200.htm");
    case 111: case 54100: return QStringLiteral("R23100.htm");
    case 54200: case 54600: return QStringLiteral("R23200.htm");
    case 55400: return QStringLiteral("R25400.htm");
    case 55740: return QStringLiteral("R25900.htm");
    case 114: return QStringLiteral("R26400.htm");
    case 116: return QStringLiteral("R26221.htm");
    case 56857: return QStringLiteral("R26410.htm");
    case 56858: return QStringLiteral("R26420.htm");
    case 56859: return QStringLiteral("R26430.htm");
    case 56861: return QStringLiteral("R26440.htm");
    case 56862: return QStringLiteral("R26450.htm");
    case 57200: return QStringLiteral("R27200.htm");
    default: return {};
    }
}

void TSKRIV::variant()
{
    const int n = engine().ExerciseNo;
    const int L = engine().LetterWidth;
    if (n == 6 || n == 106) {
        // "en" over the question, "flera " in front of the answer.
        FrageLabel1->setText(QStringLiteral("en"));
        FrageLabel1->adjustSize();
        Label4->setText(QStringLiteral("flera "));
        Label4->adjustSize();
        Label4->move(FrageLabel1->x(), Edit1->y() + 2);
        Label4->show();
        const int labelWidth = Label4->width();
        FrageLabel2->move(FrageLabel1->x() + labelWidth - FrageLabel1->width(), FrageLabel2->y());
        Edit1->move(FrageLabel1->x() + labelWidth + L / 3, Edit1->y());
        Label5->move(Edit1->x(), Label5->y());
    }
    if (n == 6 || n == 52300 || n == 53500 || n == 57200) {
        // The first help is part of the question here, not a help used.
        Helpknapp1->hide();
        Label6->setText(fromCp1252(engine().AnswerFields[3]));
        Label6->show();
    }
    if (n == 54100) {
        Helpknapp1->hide();
        Label6->setText(fromCp1252(engine().AnswerFields[3]));
        Label6->hide();
    }
}

} // namespace lingvaro
