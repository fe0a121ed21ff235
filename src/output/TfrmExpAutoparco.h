#pragma once

#include "platform/Platform.h"

#include <QDialog>

class ExportTableModel;
class InfoLine;
class QTableView;

// The export window: the whole archive in a grid, one row per record, written on request
// to the spreadsheet file Parco_Automezzi.xls in the program folder.
class TfrmExpAutoparco final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmExpAutoparco)
public:
    explicit TfrmExpAutoparco(QWidget* parent = nullptr);

    static QString firstQuestion();
    static QString doneQuestion();
    // The save dialog of the .xlsx workbook, preset to Parco_Automezzi.xlsx.
    static Platform::FileDialogOptions dlgSalvaXlsx();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildGrid(QWidget* panContainer);
    void cmdEsportaClick();
    // The workbook of vehicles, costs and due dates, wherever the clerk saves it.
    void imgEsportaXlsxClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    // Hands a cell still being typed into to the grid's rows.
    void commitTyping();

    ExportTableModel* m_rows = nullptr;
    QTableView* grdRecords = nullptr;
    InfoLine* m_infoLine = nullptr;
    bool m_filled = false;
};
