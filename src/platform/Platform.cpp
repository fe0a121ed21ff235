#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace {
Platform* g_installed = nullptr;
} // namespace

Platform& Platform::instance()
{
    static QtPlatform qtPlatform;
    return g_installed ? *g_installed : qtPlatform;
}

void Platform::install(Platform* platform)
{
    g_installed = platform;
}

QList<Platform::Answer> Platform::buttonsOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
    case MessageKind::Error:
    case MessageKind::Information:
        return {Answer::Ok, Answer::Cancel};
    case MessageKind::Question:
        return {Answer::Yes, Answer::No};
    case MessageKind::Plain:
        break;
    }
    return {Answer::Ok};
}
