#pragma once
// Settings window of the camera control link: address (shown only), baud rate,
// protocol, rotation rate and the function of the ZOOM key.

#include "settings_page_frame.h"

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class CAM_PAGE : public SettingsPage
{
    Q_OBJECT

public:
    CAM_PAGE(QWidget* parent, onlyFun* fun);

    void hideCam_ZOOM();

    void set_Address_Type(uint8_t v);
    void set_Baud_Style(uint8_t v);
    void set_Protocol_Style(uint8_t v);
    void set_camRate_Style(uint8_t v);
    void set_Zoom_Style(uint8_t v);

private:
    void init();

    QLabel* m_addressLabel = nullptr;
    QLabel* m_baudLabel = nullptr;
    QLabel* m_protocolLabel = nullptr;
    QLabel* m_rateLabel = nullptr;
    QLabel* m_zoomLabel = nullptr;
    QLineEdit* m_address = nullptr;
    QComboBox* m_baud = nullptr;
    QComboBox* m_protocol = nullptr;
    QSpinBox* m_rate = nullptr;
    QComboBox* m_zoom = nullptr;
};
