#pragma once
// The exercise windows the program can open, by class name. Each window
// registers itself in its own source file:
//
//     LINGVARO_EXERCISE_WINDOW(TSKRIV)
//
// and has a descriptor line in contentmap/windows.cpp; a test checks that the
// two agree.

#include "ui/context.h"
#include "ui/platform.h"

#include <functional>
#include <map>
#include <string>

namespace lingvaro {

struct AppContext;

// Opens a window modally and returns when it has closed; false when it could not open.
using WindowOpener = std::function<bool(AppContext&)>;

std::map<std::string, WindowOpener>& exerciseWindows();

struct ExerciseWindowRegistration {
    ExerciseWindowRegistration(const char* className, WindowOpener opener)
    {
        exerciseWindows().emplace(className, std::move(opener));
    }
};

} // namespace lingvaro

#define LINGVARO_EXERCISE_WINDOW(Window)                                                                               \
    namespace {                                                                                                        \
    const ::lingvaro::ExerciseWindowRegistration registered##Window{                                                   \
        #Window, [](::lingvaro::AppContext& app) { return ::lingvaro::ui::showModal<Window>(app.platform, app) != 0; }}; \
    }
