#pragma once
// The Tesmond and Oriskan panel windows. Oriskan's upper part polls the state
// every 3 s and its decoder also shows recording, streaming and rotation.

#include "firstgen_panel.h"

class TesmondUI : public FirstGenPanel
{
    Q_OBJECT
public:
    explicit TesmondUI(QWidget* parent = nullptr);

    static bool autoLampLit;

signals:
    void m_on_Singnals_returnloginwin();
};

class OriskanUI : public FirstGenPanel
{
    Q_OBJECT
public:
    explicit OriskanUI(QWidget* parent = nullptr);

    static bool autoLampLit;

signals:
    void ExitSignals();

protected:
    void readOwnStatus(const QByteArray& data) override;
    void afterReply(const QByteArray& data) override;
};
