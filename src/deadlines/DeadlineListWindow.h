#pragma once

#include "deadlines/DeadlineKind.h"

#include <QDialog>

class LineList;

// A deadline list: every vehicle whose deadline of one kind is overdue or due within the
// next 7 days, one fixed-column line each, read afresh from the archive each time the
// window is shown, and printed as a summary on request. The four lists are this window
// with four kinds; each is still a class of its own, as the program names them.
class DeadlineListWindow : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeadlineListWindow)
public:
    void done(int result) override;

protected:
    DeadlineListWindow(const DeadlineKind& kind, QWidget* parent);
    void showEvent(QShowEvent* event) override;

private:
    void subScansione();
    void btnChiudiClick();
    void btnStampaClick();

    const DeadlineKind& m_kind;
    LineList* lstRecords = nullptr;
};

class TfrmScadRevisione final : public DeadlineListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmScadRevisione)
public:
    explicit TfrmScadRevisione(QWidget* parent = nullptr) : DeadlineListWindow(DeadlineKinds::Revisione, parent) {}
};

class TfrmScadTagliando final : public DeadlineListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmScadTagliando)
public:
    explicit TfrmScadTagliando(QWidget* parent = nullptr) : DeadlineListWindow(DeadlineKinds::Tagliando, parent) {}
};

class TfrmScadAssicurazione final : public DeadlineListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmScadAssicurazione)
public:
    explicit TfrmScadAssicurazione(QWidget* parent = nullptr) : DeadlineListWindow(DeadlineKinds::Assicurazione, parent)
    {}
};

class TfrmScadBollo final : public DeadlineListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmScadBollo)
public:
    explicit TfrmScadBollo(QWidget* parent = nullptr) : DeadlineListWindow(DeadlineKinds::Bollo, parent) {}
};
