#include "backup/BackupMessages.h"

namespace BackupMessages {

QString notABackup()
{
    return QStringLiteral("Attenzione: il file scelto non è una copia di sicurezza valida di Corvanta.");
}

QString restoreQuestion(const QDateTime& taken, int currentCards, int backupCards)
{
    const QString question = QStringLiteral("Ripristinare la copia del ") +
                             taken.toString(QStringLiteral("dd/MM/yyyy hh:mm")) +
                             QStringLiteral("?\n\rI dati attuali verranno prima salvati in una nuova copia di "
                                            "sicurezza.\n\rLe %1 schede attuali verranno sostituite dalle %2 schede "
                                            "della copia.")
                                 .arg(currentCards)
                                 .arg(backupCards);
    return backupCards < currentCards ? QStringLiteral("Attenzione: ") + question : question;
}

QString restored()
{
    return QStringLiteral("Ripristino completato.");
}

QString restoreFailed(const QString& safetyBackupName)
{
    return QStringLiteral("Attenzione: il ripristino non è riuscito. I dati di prima sono nella copia di sicurezza ") +
           safetyBackupName + QStringLiteral(".");
}

QString noSpaceToRestore()
{
    return QStringLiteral("Attenzione: sul disco non c'è spazio sufficiente per ripristinare questa copia, "
                          "quindi non è stato ripristinato nulla.");
}

QString safetyBackupFailed()
{
    return QStringLiteral("Attenzione: non è stato possibile salvare i dati attuali in una copia di sicurezza, "
                          "quindi non è stato ripristinato nulla.");
}

QString backupFailed()
{
    return QStringLiteral("Attenzione: la copia di sicurezza non è riuscita. Controllare che la cartella "
                          "Copie_di_sicurezza sia scrivibile e che il disco non sia pieno.");
}

QString busy()
{
    return QStringLiteral("Attenzione: è già in corso una copia di sicurezza. Riprovare tra qualche istante.");
}

QString sameDiskAsProgram()
{
    return QStringLiteral("Attenzione: la cartella scelta è sullo stesso disco del programma. Scegliere una "
                          "chiavetta USB o un altro disco.");
}

QString copiedTo(const QString& folder)
{
    return QStringLiteral("Copia di sicurezza salvata in ") + folder + QStringLiteral(".");
}

QString automaticFailedNotice()
{
    return QStringLiteral("Attenzione: la copia di sicurezza automatica non è riuscita.");
}

QString noExternalCopyNotice()
{
    return QStringLiteral(
        "Nessuna copia di sicurezza su un altro disco negli ultimi 30 giorni: fare clic qui per salvarne una.");
}

QString notice(bool automaticFailed, bool archiveHasVehicle, const QDate& lastExternalCopy, const QDate& today)
{
    if (automaticFailed)
        return automaticFailedNotice();
    const bool old = !lastExternalCopy.isValid() || lastExternalCopy.daysTo(today) > ExternalCopyDays;
    if (archiveHasVehicle && old)
        return noExternalCopyNotice();
    return {};
}

} // namespace BackupMessages
