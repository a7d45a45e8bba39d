#pragma once
// The two slider columns of the four-input first-generation panels: the audio
// faders at the left edge and the video T-bar. They only report values; the
// panel decides what is sent.

#include <QWidget>

#include <cstdint>

class QLabel;
class QSlider;

class QSlider_Left : public QWidget
{
    Q_OBJECT
public:
    explicit QSlider_Left(QWidget* parent = nullptr);

    void set_Slider1_valueChanged(uchar v);
    void set_Slider2_valueChanged(uchar v);
    void set_Slider3_valueChanged(uchar v);
    uchar get_Slider_ch1_valueChanged();
    uchar get_Slider_ch2_valueChanged();
    uchar get_Slider_master_valueChanged();

signals:
    void on_slider_ch1_vol(uint8_t value);
    void on_slider_ch2_vol(uint8_t value);
    void on_slider_mastre_vol(uint8_t value);
    // Wired to the two sizes below; the column never emits them itself.
    void on_slider_max();
    void on_slider_min();

public slots:
    void set_slider_max();
    void set_slider_min();

private:
    void initLeftSlider();
    void setSliderSizes(int width, int height);

    QSlider* m_ch1 = nullptr;
    QSlider* m_ch2 = nullptr;
    QSlider* m_master = nullptr;
};

class QSlider_Right : public QWidget
{
    Q_OBJECT
public:
    explicit QSlider_Right(QWidget* parent = nullptr);

    // Moves the T-bar (so on_slider_auto follows).
    void set_SliderAuto_valueChanged(uchar v);
    uchar get_SliderAuto_valueChanged();

signals:
    void on_slider_auto(uint8_t value);

private:
    void initRightSlider();

    QSlider* m_tbar = nullptr;
};
