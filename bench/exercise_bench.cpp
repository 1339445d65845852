// From a menu button's click to the first question painted in its exercise
// window: the file checked and counted, the window built, laid out and shown,
// the question drawn, fetched and painted. Offscreen, on the bundled
// installation, as the program opens it (the menu's openLeaf).
//
//   build/bin/exercise_bench [--benchmark_repetitions=N]

#include "contentmap/menutree.h"
#include "engine/engine.h"
#include "shell/menus.h"
#include "ui/context.h"
#include "ui/platform.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <benchmark/benchmark.h>
#include <filesystem>

using namespace lingvaro;

namespace {

// Shows each window until its question has been painted once, then closes it,
// and notes how long that took from the click.
class PaintingPlatform : public ui::Platform {
public:
    QElapsedTimer clock;
    double lastMs = 0;
    int runModal(QDialog& dialog) override
    {
        struct Watch : QObject {
            QDialog* window;
            bool painted = false;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == window
                    && o->objectName() == u"FrageLabel2")
                    painted = true;
                return false;
            }
        } watch;
        watch.window = &dialog;
        qApp->installEventFilter(&watch);
        dialog.show();
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        lastMs = clock.nsecsElapsed() / 1e6;
        qApp->removeEventFilter(&watch);
        dialog.hide();
        return 0;
    }
    void show(Kind, const QString&) override {}
};

struct World {
    PaintingPlatform platform;
    Engine engine;
    AppContext app{engine, platform};
    World()
    {
        engine.setPlatform(&platform, &platform, &platform);
        engine.CdPath = LINGVARO_STAGED_CONTENT;
        engine.PcPath = std::filesystem::temp_directory_path().native();
        engine.BuildDataCatalogue();
        engine.BuildPraiseCatalogue();
        engine.ResetDrawState();
    }
};

const MenuItem& leaf(const char* menu, const char* caption)
{
    for (const MenuItem& item : findMenu(menu)->items)
        if (std::string_view(item.caption) == caption)
            return item;
    std::abort();
}

void BM_MenuClickToFirstQuestionPainted(benchmark::State& state)
{
    static World world;
    const MenuItem& item = leaf("TF52", "Plural");
    for (auto _ : state) {
        world.platform.clock.start();
        openLeaf(world.app, item);
        state.SetIterationTime(world.platform.lastMs / 1000.0);
    }
}
BENCHMARK(BM_MenuClickToFirstQuestionPainted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
