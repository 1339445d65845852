#pragma once
// What every window is handed when it is created: the engine with the program's
// state, the platform layer, and the two long-lived print windows.

#include "engine/diagnosishost.h"

#include <functional>
#include <string>

namespace lingvaro {
class Engine;
class TUtskrift;
class TDiagutform;

namespace ui {
class Platform;
}

struct AppContext {
    Engine& engine;
    ui::Platform& platform;
    TUtskrift* utskrift = nullptr;     // the worksheet printer, made at start
    TDiagutform* diagutform = nullptr; // the diagnosis print form, made at start
    DiagnosisHost* diagnosis = nullptr; // the open diagnosis protocol, if any
    // Opens an exercise window by class name ("TSKRIV"); false when the program
    // does not have it. Set by the program, which knows its windows.
    std::function<bool(const std::string& windowClass)> openExerciseWindow{};
};

} // namespace lingvaro
