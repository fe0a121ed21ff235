#include "card/TfrmAutoparco.h"

#include "app/ProcessFormats.h"
#include "archive/StoredText.h"
#include "widgets/ArtworkImage.h"
#include "widgets/PhotoView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

TfrmAutoparco::TfrmAutoparco(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAutoparco"));
    setWindowTitle(QStringLiteral(" Corvanta - Parco Automezzi"));
    resize(1016, 713);
    ProcessFormats::apply();
    buildControls();
    buildInfoLine();

    const struct {
        const char* name;
        void (TfrmAutoparco::*handler)();
    } clicks[] = {
        {"cmdPrimo", &TfrmAutoparco::cmdPrimoClick},         {"cmdIndietro", &TfrmAutoparco::cmdIndietroClick},
        {"cmdAvanti", &TfrmAutoparco::cmdAvantiClick},       {"cmdUltimo", &TfrmAutoparco::cmdUltimoClick},
        {"cmdSalva", &TfrmAutoparco::cmdSalvaClick},         {"cmdNuovo", &TfrmAutoparco::cmdNuovoClick},
        {"cmdDuplica", &TfrmAutoparco::cmdDuplicaClick},     {"btnCaricaFoto", &TfrmAutoparco::btnCaricaFotoClick},
        {"btnSalvaFoto", &TfrmAutoparco::btnSalvaFotoClick}, {"btnCancFoto", &TfrmAutoparco::btnCancFotoClick},
        {"btnZoomFoto", &TfrmAutoparco::btnZoomFotoClick},   {"cmdEsci", &TfrmAutoparco::cmdEsciClick},
    };
    for (const auto& click : clicks) {
        auto* button = findChild<ArtworkImage*>(QLatin1String(click.name));
        connect(button, &ArtworkImage::clicked, this, click.handler);
    }
}

void TfrmAutoparco::subPulisciScheda()
{
    for (QLineEdit* box : m_editBoxes)
        box->clear();
    clearAttachments();
    showPlaceholder();
    lblPosizione->clear();
    m_editBoxes.front()->setFocus();
}

void TfrmAutoparco::subMostraScheda(const TSchedaVeicolo& record, int position)
{
    const auto& fields = TSchedaVeicolo::fields();
    for (int i = 0; i < TSchedaVeicolo::EditFieldCount; ++i)
        m_editBoxes[i]->setText(record.*(fields[i].member));
    for (int i = TSchedaVeicolo::EditFieldCount; i < TSchedaVeicolo::FieldCount; ++i)
        m_attachmentLabels[i - TSchedaVeicolo::EditFieldCount]->setText(record.*(fields[i].member));
    lblPosizione->setText(QString::number(position));
    subApriFotoScheda();
}

TSchedaVeicolo TfrmAutoparco::recordOnCard() const
{
    TSchedaVeicolo record;
    const auto& fields = TSchedaVeicolo::fields();
    for (int i = 0; i < TSchedaVeicolo::EditFieldCount; ++i)
        record.*(fields[i].member) = m_editBoxes[i]->text();
    for (int i = TSchedaVeicolo::EditFieldCount; i < TSchedaVeicolo::FieldCount; ++i)
        record.*(fields[i].member) = m_attachmentLabels[i - TSchedaVeicolo::EditFieldCount]->text();
    return record;
}

QString TfrmAutoparco::position() const
{
    return StoredText::trimmed(lblPosizione->text());
}

QImage TfrmAutoparco::photo() const
{
    return imgFoto->picture();
}

void TfrmAutoparco::clearAttachments()
{
    for (QLabel* hidden : m_attachmentLabels)
        hidden->clear();
}

void TfrmAutoparco::cmdEsciClick()
{
    close();
}

void TfrmAutoparco::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Restoring a minimised card is not a new opening.
    if (!event->spontaneous())
        subPulisciScheda();
}

void TfrmAutoparco::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}
