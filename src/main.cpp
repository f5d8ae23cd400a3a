// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "base/logging.h"
#ifdef QUOREL_HAVE_BRAILLE
#include "platform/brlapidisplay.h"
#endif
#include "platform/clipplayer.h"
#include "platform/espeakvoice.h"
#include "platform/folders.h"
#include "platform/gamewindow.h"
#include "platform/messagebox.h"
#include "platform/qtprinter.h"
#include "platform/qttextmeasure.h"
#include "platform/screenreaderstatus.h"
#include "platform/singleinstance.h"
#include "platform/speechservicevoice.h"
#include "puzzle/puzzlefolder.h"
#include "puzzle/resourcestore.h"
#include "speech/combinedvoice.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QLoggingCategory>
#include <QScreen>
#include <QSocketNotifier>
#include <QWindow>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

void quorelInitResources();

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] auto n = ::write(g_signalPipe[1], &byte, 1);
}

// Ends the event loop once the goodbye has been spoken.
class QtAppControl : public AppControl {
public:
    GameWindow *window = nullptr;
    void quit() override
    {
        if (window)
            window->closeForQuit();
        QCoreApplication::quit();
    }
};

// The files named on the command line, once in the solver's puzzle folder.
struct OpenedFiles {
    QStringList fileNames;  // in the folder: copied, or there already
    bool anyFailed = false; // a file did not read or could not be copied
};

// Copies each file into the puzzle folder; a file that is not copied is named
// on standard error with the reason.
OpenedFiles copyOpenedFiles(const QStringList &paths)
{
    OpenedFiles opened;
    for (const QString &path : paths) {
        const CopyResult copy = copyIntoPuzzleFolder(path, Folders::puzzles());
        if (copy.ok()) {
            opened.fileNames.append(copy.fileName);
        } else {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(copy.error));
            opened.anyFailed = true;
        }
    }
    return opened;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorel Crosswords"));
    // Our log categories are silent unless QT_LOGGING_RULES enables them.
    QLoggingCategory::setFilterRules(QStringLiteral("crosswords.*=false"));
    quorelInitResources();

    // quorel-crosswords FILE...: the files go into the puzzle folder first.
    // The game starts even when none of them reads: opened from a file
    // manager, the solver hears the game rather than nothing.
    const OpenedFiles opened = copyOpenedFiles(QCoreApplication::arguments().mid(1));

    // A second copy ends at once: silently, or once the running game has
    // taken the files it was given.
    QDir().mkpath(Folders::runtime());
    QLockFile lock(Folders::runtime() + QStringLiteral("quorel-crosswords.lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        if (opened.fileNames.isEmpty())
            return opened.anyFailed ? 1 : 0;
        if (!SingleInstance::handOver(SingleInstance::defaultSocketPath(), opened.fileNames)) {
            std::fprintf(stderr, "The running game did not answer; the files are in %s\n", qPrintable(Folders::puzzles()));
            return 1;
        }
        return opened.anyFailed ? 1 : 0;
    }
    // Files opened later reach this copy.
    SingleInstance instance;
    if (!instance.listen())
        qCWarning(lcPuzzles).noquote() << QStringLiteral("cannot take files from later copies: ") + instance.errorString();

    QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    const double twipsPerPixel = 1440.0 / dpi;

    // A sound server or speech service that has gone away must not end the
    // program when we write to it.
    std::signal(SIGPIPE, SIG_IGN);
    EspeakVoice ownVoice;
    SpeechServiceVoice serviceVoice;
    CombinedVoice voice(ownVoice, &serviceVoice);
    ClipPlayer sound;
#ifdef QUOREL_HAVE_BRAILLE
    BrlapiDisplay braille;
#endif
    MessageBoxConfirm confirm;
    QtTextMeasure measure(dpi);
    CompiledResources resources;
    QtAppControl control;

    Environment env;
    env.screenWidth = pixels.width() * twipsPerPixel;
    env.screenHeight = pixels.height() * twipsPerPixel;
    env.stateDir = Folders::state();
    env.settingsFile = Folders::config() + QStringLiteral("tamrivo3.ini");
    env.documentsDir = Folders::documents();
    env.puzzlesDir = Folders::puzzles();
    QtPrinter printer(env.documentsDir);

    Crosswords game(Services{voice, sound, confirm, measure, resources, printer, control}, env);
    GameWindow window(game);
    // Files opened while the game runs come from a later copy of the program.
    QObject::connect(&instance, &SingleInstance::filesHandedOver, &window, [&game](const QStringList &fileNames) {
        for (const QString &name : fileNames)
            qCDebug(lcPuzzles).noquote() << QStringLiteral("handed over: ") + name;
        game.ownPuzzlesHandedOver(fileNames);
    });
    confirm.setParent(&window);
    ScreenReaderStatus screenReader;
    game.watchScreenReader(screenReader);
    control.window = &window;

    // Logout (SIGHUP) and kill (SIGTERM) close the window the orderly way, which
    // keeps the open puzzle's letters.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) == 0) {
        auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
            char byte;
            [[maybe_unused]] auto n = ::read(g_signalPipe[0], &byte, 1);
            window.close();
            QCoreApplication::quit();
        });
        std::signal(SIGTERM, onTerminate);
        std::signal(SIGHUP, onTerminate);
    }

    game.Form_Load();
    window.start();
#ifdef QUOREL_HAVE_BRAILLE
    // The braille display shows the game while its window has the focus.
    game.attachBraille(braille);
    braille.setWindow(window.winId());
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, &braille, [&braille, &window](QWindow *focus) {
        braille.setFocused(focus && focus == window.windowHandle());
    });
    braille.setFocused(QGuiApplication::focusWindow() && QGuiApplication::focusWindow() == window.windowHandle());
    braille.start();
#endif
    const int status = app.exec();
    return status != 0 ? status : (opened.anyFailed ? 1 : 0);
}
