#include "ui/ui_init.h"

#include <QApplication>

#include <cstdio>
#include <string>

namespace
{

std::string g_projectDirOverride;

void KeepSeriousQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int InitUserInterface(int *argc, char **argv)
{
    if (QCoreApplication::instance())
        return 0;
    // The application object lives until the process ends, like the runtime it replaces.
    auto *app = new QApplication(*argc, argv);
    return app ? 0 : -1;
}

int InitUserInterfaceWithoutDisplay(const char *programName)
{
    if (QCoreApplication::instance())
        return 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the program's messages to the operator; Qt's notes for
    // developers (a missing runtime directory, fonts) would only clutter them.
    qInstallMessageHandler(KeepSeriousQtMessages);
    // The application object keeps argc and argv for its whole life.
    static std::string name;
    static char *arguments[2] = {nullptr, nullptr};
    static int count = 1;
    name = programName ? programName : "chromix-scope";
    arguments[0] = name.data();
    auto *app = new QApplication(count, arguments);
    return app ? 0 : -1;
}

void SetProjectDirOverride(const char *directory)
{
    g_projectDirOverride = directory ? directory : "";
}

const char *ProjectDirOverride(void)
{
    return g_projectDirOverride.empty() ? nullptr : g_projectDirOverride.c_str();
}
