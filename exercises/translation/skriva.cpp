#include "exercises/translation/skriva.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "contentmap/menutree.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lingvaro {

TSKRIV::TSKRIV(AppContext& app) : ExerciseWindow(app)
{
    setObjectName(QStringLiteral("TSKRIV"));
    FormCreate();
}

bool TSKRIV::hasRulesButton(int n) const
{
    return translationHasRulesButton(n);
}

QString TSKRIV::rulePageFor(int n) const
{
    return QString::fromStdString(translationRulePage(n));
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
