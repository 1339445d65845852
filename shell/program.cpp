#include "shell/program.h"

#include "engine/engine.h"
#include "results/diagut.h"
#include "results/skrivut.h"
#include "shell/mainwindow.h"
#include "shell/menus.h"
#include "ui/context.h"
#include "ui/platform.h"
#include "ui/swedish.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

namespace lingvaro {
namespace {

// Ends the program after the window's first paint.
class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int runProgram(int argc, char* argv[], bool quitAfterFirstPaint)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lingvaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lingvaro"));
    ui::useProgramType();

    // Qt's own dialogs and buttons in Swedish.
    // Debian ships the Swedish catalogue as "qt_sv" (older) or "qtbase_sv".
    QTranslator qtSwedish;
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    // The program's own Swedish for what that catalogue leaves in English; the
    // translator installed last is asked first, so this one goes in first.
    ui::SwedishFallback fallback;
    QApplication::installTranslator(&fallback);
    if (qtSwedish.load(swedish, QStringLiteral("qtbase"), QStringLiteral("_"), translations)
        || qtSwedish.load(swedish, QStringLiteral("qt"), QStringLiteral("_"), translations))
        QApplication::installTranslator(&qtSwedish);

    ui::Platform platform;
    Engine engine;
    engine.setPlatform(&platform, &platform, &platform);
    if (!engine.Start(systemDirs(QCoreApplication::applicationDirPath().toStdString())))
        return 1;

    AppContext context{engine, platform};
    TForm1 main(context);
    TDiagutform diagutform(context);
    TUtskrift utskrift(context);
    context.diagutform = &diagutform;
    context.utskrift = &utskrift;
    connectExerciseWindows(context);

    FirstPaintWatcher watcher;
    if (quitAfterFirstPaint)
        main.installEventFilter(&watcher);
    main.showFullScreen();
    return app.exec();
}

} // namespace lingvaro
