#pragma once
// The three numbered answer rows of the windows that ask by choosing one of
// two or three written answers (a number panel and an answer panel a row):
// which row a widget belongs to, and the one row shown in aqua.

#include "ui/palette.h"
#include "ui/widgets.h"

#include <QFrame>
#include <array>

namespace lingvaro {

struct AnswerRowPanels {
    const std::array<QFrame*, 3>& numbers;
    const std::array<QFrame*, 3>& answers;

    // The row (1..3) a widget stands in, looking up through its parents as far
    // as the window; 0 when it is in none.
    int rowOf(const QObject* widget, const QObject* window) const
    {
        for (int r = 0; r < 3; ++r)
            for (const QObject* o = widget; o && o != window; o = o->parent())
                if (o == numbers[std::size_t(r)] || o == answers[std::size_t(r)])
                    return r + 1;
        return 0;
    }

    // Every row in the button face, `aquaRow` (1..3; 0 for none) in aqua.
    void colour(int aquaRow, const QColor& face) const
    {
        for (int r = 0; r < 3; ++r) {
            const QColor c = r + 1 == aquaRow ? ui::colour::Aqua : face;
            ui::setPanelColour(numbers[std::size_t(r)], c);
            ui::setPanelColour(answers[std::size_t(r)], c);
        }
    }
};

} // namespace lingvaro
