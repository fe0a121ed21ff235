#pragma once

#include <QDialog>

class TextLink;

// The maker's picture, opened from the launcher and centred on it, with a link to the
// maker's web site.
class TfrmSplash final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmSplash)
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

private:
    void btnChiudiClick();
    void lnkWebClick();

    TextLink* lnkWeb = nullptr;
};
