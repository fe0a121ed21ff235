#pragma once

#include <QDialog>

class PhotoView;
class QLabel;
class QTimer;

// The photos of all vehicles, large, one after the other in archive order every six
// seconds, round and round until the user clicks.
class TfrmSlideshow_Automezzi final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmSlideshow_Automezzi)
public:
    explicit TfrmSlideshow_Automezzi(QWidget* parent = nullptr);

    static constexpr int StepIntervalMs = 6000;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void TimerTimer();
    void cmdAvantiClick();
    void subApriFoto();
    void imgFotoClick();
    void panContainerClick();

    QWidget* panContainer = nullptr;
    PhotoView* imgFoto = nullptr;
    PhotoView* imgBianco = nullptr;
    QLabel* lblPosizione = nullptr;
    QTimer* Timer = nullptr;
};
