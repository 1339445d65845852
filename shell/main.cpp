// Program start: the engine's start-up, then the first window.

#include "engine/engine.h"
#include "ui/platform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(u"Lingvaro"_qs);

    lingvaro::ui::Platform platform;
    lingvaro::Engine engine;
    engine.setPlatform(&platform, &platform, &platform);
    if (!engine.Start(lingvaro::systemDirs(QCoreApplication::applicationDirPath().toStdString())))
        return 1;
    engine.HaemtaTyskaINI();

    // A plain start window until the main window with its menus is in place.
    QWidget window;
    window.setWindowTitle(u"Lingvaro"_qs);
    auto* layout = new QVBoxLayout(&window);
    auto* title = new QLabel(u"LINGVARO"_qs);
    QFont big = title->font();
    big.setPointSize(28);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    auto* info = new QLabel(QString("%1 övningsfiler, %2 berömfiler, %3 bilder")
                                .arg(engine.DataFileCount)
                                .arg(engine.PraiseFileCount)
                                .arg(engine.PictureCount));
    info->setAlignment(Qt::AlignCenter);
    layout->addWidget(info);
    auto* quit = new QPushButton(u"Avsluta"_qs);
    QObject::connect(quit, &QPushButton::clicked, &window, &QWidget::close);
    layout->addWidget(quit);
    window.resize(480, 240);
    window.show();
    return app.exec();
}
