#pragma once

// Push button that shows a small pop-up text while the pointer is over it.

#include <QPushButton>

class QLabel;

class MyButton : public QPushButton
{
    Q_OBJECT

public:
    explicit MyButton(QWidget* parent = nullptr);

    void setPopupText(QString const& text);
    QWidget* popup() const { return m_popup; }
    QString popupText() const;

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QWidget* m_popup = nullptr;
    QLabel* m_popupLabel = nullptr;
};
