#pragma once
// Swedish for the texts of Qt's own dialogs that Debian's Swedish catalogue
// leaves in English (the print dialog's buttons and labels, standard buttons).

#include <QTranslator>

namespace lingvaro::ui {

class SwedishFallback : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace lingvaro::ui
