#include "card/TfrmAutoparco.h"

#include "archive/FieldIndex.h"
#include "archive/RecordCodec.h"
#include "archive/StoredText.h"
#include "platform/Platform.h"
#include "widgets/PhotoView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

void TfrmAutoparco::subPulisciScheda()
{
    for (QLineEdit* shown : m_boxes) {
        if (shown)
            shown->clear();
    }
    clearAttachments();
    showPlaceholder();
    showPosition(QString());
    m_duplicatedFrom = 0;
    rememberShownTexts();
    box(&TSchedaVeicolo::Tipo)->setFocus();
}

void TfrmAutoparco::subMostraScheda(const TSchedaVeicolo& record, int position)
{
    subMostraScheda(record, position, encodeRecord(record));
}

void TfrmAutoparco::subMostraScheda(const TSchedaVeicolo& record, int position, const QByteArray& stored)
{
    keepStored(position, stored);
    const auto& fields = TSchedaVeicolo::fields();
    for (int i = 0; i < TSchedaVeicolo::FieldCount; ++i) {
        const QString& text = record.*(fields[i].member);
        if (m_boxes[i]) {
            m_boxes[i]->setText(text);
            m_boxes[i]->setCursorPosition(0); // a long value shows its start
        } else
            m_hiddenLabels[i]->setText(text);
    }
    showPosition(QString::number(position));
    m_duplicatedFrom = 0;
    rememberShownTexts();
    subApriFotoScheda();
}

void TfrmAutoparco::rememberShownTexts()
{
    for (int i = 0; i < TSchedaVeicolo::FieldCount; ++i)
        m_shownTexts[i] = m_boxes[i] ? m_boxes[i]->text() : QString();
}

bool TfrmAutoparco::boxesEdited() const
{
    for (int i = 0; i < TSchedaVeicolo::FieldCount; ++i) {
        if (m_boxes[i] && m_boxes[i]->text() != m_shownTexts[i])
            return true;
    }
    return false;
}

bool TfrmAutoparco::offerToSaveEdits()
{
    if (!boxesEdited())
        return true;
    if (!Messages::question(this, QStringLiteral("Le modifiche alla scheda corrente non sono state salvate.\n\r"
                                                 "Salvarle adesso?")))
        return true;
    return save();
}

TSchedaVeicolo TfrmAutoparco::recordOnCard() const
{
    TSchedaVeicolo record;
    const auto& fields = TSchedaVeicolo::fields();
    for (int i = 0; i < TSchedaVeicolo::FieldCount; ++i)
        record.*(fields[i].member) = m_boxes[i] ? m_boxes[i]->text() : m_hiddenLabels[i]->text();
    return record;
}

QLineEdit* TfrmAutoparco::box(QString TSchedaVeicolo::*member) const
{
    const int position = fieldIndex(member);
    return position < 0 ? nullptr : m_boxes[position];
}

QLabel* TfrmAutoparco::hiddenLabel(QString TSchedaVeicolo::*member) const
{
    const int position = fieldIndex(member);
    return position < 0 ? nullptr : m_hiddenLabels[position];
}

QString TfrmAutoparco::position() const
{
    return StoredText::trimmed(lblPosizione->text());
}

QImage TfrmAutoparco::photo() const
{
    return imgFoto->picture();
}

QString TfrmAutoparco::boxText(QString TSchedaVeicolo::*member) const
{
    const QLineEdit* edit = box(member);
    return edit ? edit->text() : QString();
}

void TfrmAutoparco::setBoxText(QString TSchedaVeicolo::*member, const QString& text)
{
    if (QLineEdit* edit = box(member))
        edit->setText(text);
}

QString TfrmAutoparco::hiddenLabelText(QString TSchedaVeicolo::*member) const
{
    const QLabel* hidden = hiddenLabel(member);
    return hidden ? hidden->text() : QString();
}

void TfrmAutoparco::setHiddenLabelText(QString TSchedaVeicolo::*member, const QString& text)
{
    if (QLabel* hidden = hiddenLabel(member))
        hidden->setText(text);
}

void TfrmAutoparco::keepStored(int position, const QByteArray& stored)
{
    m_keptPosition = position;
    m_keptBytes = stored;
}

void TfrmAutoparco::clearAttachments()
{
    for (QLabel* hidden : m_hiddenLabels) {
        if (hidden)
            hidden->clear();
    }
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
    if (!offerToSaveEdits()) {
        event->ignore();
        return;
    }
    emit closed();
    event->accept();
}
