#pragma once

#include <QDialog>

class TextLink;

// The information window, opened from the launcher, with a link that starts an e-mail
// to the maker.
class TfrmInfo final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmInfo)
public:
    explicit TfrmInfo(QWidget* parent = nullptr);

    // What the link hands to the shell: the quoted mailto address with subject and body.
    static QString mailLink();

private:
    void btnChiudiClick();
    void lnkWebClick();

    TextLink* lnkWeb = nullptr;
};
