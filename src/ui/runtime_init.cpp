#include "ui/ui_init.h"

#include <QApplication>

#include <string>

namespace
{

std::string g_projectDirOverride;

} // namespace

int InitUserInterface(int *argc, char **argv)
{
    if (QCoreApplication::instance())
        return 0;
    // The application object lives until the process ends, like the runtime it replaces.
    auto *app = new QApplication(*argc, argv);
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
