#pragma once

#include <QDateTime>
#include <QDialog>
#include <QStringList>

#include <functional>

class BackgroundJob;
class LineList;
class QProgressBar;
class QPushButton;

// The backups window: the backups of Copie_di_sicurezza/ newest first, a backup now, a
// copy to another disk, and the restore of a listed backup or of a ZIP chosen on disk.
// Every long step runs on a background job with a progress bar and "Annulla".
class TfrmCopieSicurezza final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmCopieSicurezza)
public:
    explicit TfrmCopieSicurezza(QWidget* parent = nullptr);
    ~TfrmCopieSicurezza() override;

    // The names listed, in list order.
    const QStringList& listedNames() const { return m_names; }
    bool isWorking() const;

    void done(int result) override;

signals:
    // The program folder holds the data of a restored backup now.
    void dataRestored();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnCopiaOraClick();
    void btnCopiaSuDiscoClick();
    void btnRipristinaClick();
    void btnApriClick();
    void btnChiudiClick();
    void btnAnnullaClick();

    void subElenca(const QString& select = {});
    // The selected backup's full path, or empty; tells the clerk when it has gone meanwhile.
    QString subCopiaScelta(bool required);
    void subRipristina(const QString& zipPath, const QDateTime& taken);
    // Records in Corvanta.ini that safetyBackup holds the data a restore replaced, beside
    // the ones known before it.
    void subSegnaCopiaPrimaDelRipristino(const QStringList& known, const QString& safetyBackup);
    // Runs work in the background with the progress bar; then runs done on this thread.
    void subInCorso(std::function<void(const std::function<void(double)>&, const std::function<bool()>&)> work,
                    std::function<void()> whenDone);
    void subFine();

    LineList* lstCopie = nullptr;
    QProgressBar* prgCopia = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QList<QWidget*> m_commands;
    BackgroundJob* m_job = nullptr;
    std::function<void()> m_whenDone;
    QStringList m_names;
};
