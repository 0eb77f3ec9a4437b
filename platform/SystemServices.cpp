#include "SystemServices.h"

namespace platform {

namespace {

const SystemServices *g_replacement = nullptr;

} // namespace

const SystemServices &SystemServices::instance()
{
    static const SystemServices real;
    return g_replacement ? *g_replacement : real;
}

void SystemServices::setInstance(const SystemServices *services)
{
    g_replacement = services;
}

} // namespace platform
