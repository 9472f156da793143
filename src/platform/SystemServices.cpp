#include "platform/SystemServices.h"

#include "platform/QtSystemServices.h"

#include <utility>

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

SystemServices* InstallSystemServices(SystemServices* services)
{
    return std::exchange(installedServices, services);
}

QString FullMonthName(int month)
{
    return System().locale().standaloneMonthName(month, QLocale::LongFormat);
}
