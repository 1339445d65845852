#pragma once
// The diagnosis print form: made at start and kept for the whole run; it prints
// a learner's diagnosis protocol.

#include <QWidget>

namespace lingvaro {

struct AppContext;

class TDiagutform : public QWidget {
    Q_OBJECT
public:
    explicit TDiagutform(AppContext& app);

private:
    AppContext& app_;
};

} // namespace lingvaro
