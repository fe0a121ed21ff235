#pragma once

#include <QDialog>

struct HelpTopic;
class QLabel;
class QPlainTextEdit;
class TextLink;

// The help window: one topic, chosen by the window whose help button was pressed, and a
// link to the user guide Guida.pdf beside the program.
class TfrmGuida final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmGuida)
public:
    explicit TfrmGuida(QWidget* parent = nullptr);

    void setTopic(const HelpTopic& topic);
    // A fresh help window owned by owner, showing topic, modal until it closes.
    static void open(QWidget* owner, const HelpTopic& topic);

    static QString guideFileName() { return QStringLiteral("Guida.pdf"); }

private:
    void btnChiudiClick();
    void lnkWebClick();

    QLabel* lblTitolo = nullptr;
    QPlainTextEdit* txtGuida = nullptr;
    TextLink* lnkWeb = nullptr;
};
