#include "platform/SystemServices.h"

#include "platform/QtSystemServices.h"

SystemServices::~SystemServices() = default;

namespace {
SystemServices* installedServices = nullptr;
}

SystemServices& System()
{
    if (installedServices)
        return *installedServices;
    static QtSystemServices qtServices;
    return qtServices;
}

void InstallSystemServices(SystemServices* services)
{
    installedServices = services;
}

QString FullMonthName(int month)
{
    return System().locale().standaloneMonthName(month, QLocale::LongFormat);
}
