#pragma once
// What every window is handed when it is created: the engine with the program's
// state, the platform layer, and the two long-lived print windows.

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
};

} // namespace lingvaro
