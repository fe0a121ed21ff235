#include "platform/Platform.h"

#include "platform/QtPlatform.h"

#include <QFileInfo>

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
    case MessageKind::CarefulQuestion:
        return {Answer::Yes, Answer::No};
    case MessageKind::Plain:
    case MessageKind::Notice:
    case MessageKind::Caution:
        break;
    }
    return {Answer::Ok};
}

Platform::Answer Platform::defaultOf(MessageKind kind)
{
    return kind == MessageKind::CarefulQuestion ? Answer::No : buttonsOf(kind).constFirst();
}

namespace Messages {
void openWithShell(QWidget* parent, const QString& target)
{
    if (Platform::instance().openWithShell(target))
        return;
    // The file's name, the mail address or the web address, as the clerk knows it.
    QString shown = target;
    if (shown.size() >= 2 && shown.startsWith(QLatin1Char('"')) && shown.endsWith(QLatin1Char('"')))
        shown = shown.mid(1, shown.size() - 2);
    const QLatin1String mail("mailto:");
    if (shown.startsWith(mail))
        shown = shown.mid(mail.size()).section(QLatin1Char('?'), 0, 0);
    else if (!shown.contains(QLatin1String("://")))
        shown = QFileInfo(shown).fileName();
    information(parent, QStringLiteral("Attenzione: il sistema non ha un programma per aprire «%1».").arg(shown));
}
} // namespace Messages
