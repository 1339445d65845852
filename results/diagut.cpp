#include "results/diagut.h"

namespace lingvaro {

TDiagutform::TDiagutform(AppContext& app) : QWidget(nullptr), app_(app)
{
    setWindowTitle(QStringLiteral("Diagnosprotokoll"));
}

} // namespace lingvaro
