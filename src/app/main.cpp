// The game window's entry point: the command line is one saved-game path.

#include "app/FirstFrame.h"
#include "appearance/DataFolder.h"
#include "library/AppFolders.h"
#include "library/Clock.h"
#include "library/dlgFileDialogs.h"
#include "library/dlgMessages.h"
#include "library/mSave.h"
#include "mainwindow/GameStyle.h"
#include "mainwindow/frmMain.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QStringList>
#include <QStyleFactory>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora 2003"));
    QApplication::setOrganizationName(QStringLiteral("Velmora 2003"));
    // The desktop entry's name: Wayland compositors and task bars find the name and icon by it.
    QApplication::setDesktopFileName(QString::fromLatin1(velmora::mSave::ApplicationId));
    QApplication::setStyle(
        new velmora::GameStyle(QStyleFactory::create(QApplication::style()->name())));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const QString commandLine = arguments.join(QLatin1Char(' '));

    // A game already running takes the command line; this copy then has nothing to do.
    const QString storePath = velmora::SettingsStore::DefaultFilePath();
    velmora::SingleInstance instance(velmora::SingleInstance::UserServerName(storePath));
    if (instance.HandOver(commandLine)) {
        return 0;
    }

    velmora::SettingsStore store(storePath);
    const velmora::SystemClock clock;
    velmora::dlgMessages messages;
    velmora::dlgFileDialogs fileDialogs;
    velmora::MainWindowContext context{
        store,       velmora::AppFolders::ForUser(velmora::DataFolder()),
        clock,       messages,
        fileDialogs, commandLine,
        true,        true};
    velmora::frmMain window(context);
    if (window.QuitRequested()) {
        return 0;
    }
    messages.SetOwner(&window);
    fileDialogs.SetOwner(&window);
    window.show();
    QObject::connect(&instance, &velmora::SingleInstance::commandLineReceived, &window,
                     &velmora::frmMain::SecondStart);
    // Listening waits for the first picture (a question at start-up may have waited longer): a
    // second start until then runs as a copy of its own, as it does while this one starts.
    // Without the socket this copy still runs; the settings store keeps copies apart.
    if (window.StartUpSettled()) {
        instance.Listen();
    } else {
        QObject::connect(&window, &velmora::frmMain::startUpSettled, &instance,
                         [&instance] { instance.Listen(); });
    }

    velmora::QuitAfterFirstFrame(window, [&window] { window.ExitAtOnce(); });
    // VELMORA_SCREENSHOT=file.png: save a picture of the window once it has settled, then quit
    // (used by the screenshot check under a virtual display).
    const QString screenshot = qEnvironmentVariable("VELMORA_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &window, [&window, screenshot] {
            window.grab().save(screenshot);
            window.ExitAtOnce();
        });
    }
    return QApplication::exec();
}
