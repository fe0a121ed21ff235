#pragma once

#include "import/CsvReader.h"
#include "import/ImportFields.h"
#include "import/ImportPlan.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;
class QTableWidget;
class QTableWidgetItem;

// The import of an existing fleet from a spreadsheet saved as CSV: the file's columns
// matched to the card's fields, a preview and a dry run after every change, the append,
// and the undo of the last import.
class TfrmImportaVeicoli final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmImportaVeicoli)
public:
    explicit TfrmImportaVeicoli(QWidget* parent = nullptr);

    static QString fileFilter();

private:
    void btnScegliFileClick();
    void btnImportaClick();
    void btnAnnullaImportazioneClick();
    void btnChiudiClick();
    void imgGuidaClick();
    void grdColonneChanged(QTableWidgetItem* item);

    // Reads a file and matches its columns; false, with the message shown, when refused.
    bool subLeggi(const QString& path);
    void subMostraColonne();
    void subMostraCampi();
    // The dry run again, with the archive's plates as they are now.
    bool subPianifica();
    void subMostraPiano(const QStringList& notes);

    QLabel* lblFile = nullptr;
    QTableWidget* grdColonne = nullptr;
    QTableWidget* grdAnteprima = nullptr;
    QLabel* lblEsito = nullptr;
    QListWidget* lstProblemi = nullptr;
    QProgressBar* prgImporta = nullptr;
    QWidget* btnImporta = nullptr;

    CsvTable m_table;
    ImportFields::Matching m_matching;
    ImportPlan::Plan m_plan;
};
