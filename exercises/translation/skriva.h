#pragma once
// The translation window: a text in one language (or a word in one form), and
// the pupil writes its translation (or the form asked for).

#include "exercises/common/exercisewindow.h"

namespace lingvaro {

class TSKRIV : public ExerciseWindow {
    Q_OBJECT
public:
    explicit TSKRIV(AppContext& app);

    bool hasRulesButton(int exerciseNo) const override;
    QString rulePageFor(int exerciseNo) const override;
    void variant() override;
};

} // namespace lingvaro
