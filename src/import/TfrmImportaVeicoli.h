#pragma once

#include "import/CsvReader.h"
#include "import/ImportPlan.h"
#include "import/LastImport.h"

#include <QDialog>

class BackgroundJob;
class ImportColumnsModel;
class ImportPreviewModel;
class QLabel;
class QListWidget;
class QProgressBar;
class QTableView;

// The import of an existing fleet from a spreadsheet saved as CSV: the file's columns
// matched to the card's fields, a preview and a dry run after every change, the append
// in the background with a progress bar and "Annulla", and the undo of the last import.
class TfrmImportaVeicoli final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmImportaVeicoli)
public:
    explicit TfrmImportaVeicoli(QWidget* parent = nullptr);
    ~TfrmImportaVeicoli() override;

    static QString fileFilter();
    // The append is running, or its end is still to be shown.
    bool isWorking() const;

    void done(int result) override;

private:
    void btnScegliFileClick();
    void btnImportaClick();
    void btnAnnullaClick();
    void btnAnnullaImportazioneClick();
    void btnChiudiClick();
    void imgGuidaClick();

    // Reads a file and matches its columns; false, with the message shown, when refused.
    bool subLeggi(const QString& path);
    void subLarghezzeColonne();
    // The dry run again, with the archive's plates as they are now.
    bool subPianifica();
    void subMostraPiano(const QStringList& notes);
    // The append has ended: its outcome told, the commands back.
    void subImportato();

    QLabel* lblFile = nullptr;
    QTableView* grdColonne = nullptr;
    QTableView* grdAnteprima = nullptr;
    QLabel* lblEsito = nullptr;
    QListWidget* lstProblemi = nullptr;
    QProgressBar* prgImporta = nullptr;
    QWidget* btnAnnulla = nullptr;
    QWidget* btnImporta = nullptr;
    QList<QWidget*> m_commands; // disabled while the append runs
    ImportColumnsModel* m_columns = nullptr;
    ImportPreviewModel* m_preview = nullptr;
    BackgroundJob* m_job = nullptr;
    bool m_appending = false; // started, and its end not shown yet
    LastImport m_done;        // what the append wrote, for its end

    CsvTable m_table;
    ImportPlan::Plan m_plan;
};
