#pragma once

#include "switcher_data.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

// The answering half of a switcher, without any socket: given a received
// datagram it says what a switcher of the chosen type and name would send
// back. The program main.cpp and the tests put it behind a socket.
class StandinSwitcher : public QObject
{
    Q_OBJECT
public:
    explicit StandinSwitcher(QObject *parent = nullptr);

    void setDeviceType(quint8 type) { m_type = type; }
    quint8 deviceType() const { return m_type; }
    void setName(const QByteArray &name) { m_name = name; }
    QByteArray name() const { return m_name; }
    void setSilent(bool silent) { m_silent = silent; }
    bool isSilent() const { return m_silent; }

    // Bytes from offset 17 on (status byte first) of the reply to a request
    // with the given first address byte and command.
    void setReplyPayload(quint8 addrA, quint8 cmd, const QByteArray &payload);

    // The reply to one received datagram; empty when a switcher would stay
    // quiet (silent, not a frame, or a command that has no answer).
    QByteArray answer(const QByteArray &request) const;

    // One control line: "silent", "answer", "name <text>", "type <hex>",
    // "reply <addrA hex> <cmd hex> <payload hex>", "send <hex>",
    // "sendto <ip> <port> <hex>".
    // Returns false for a line it does not know.
    bool control(const QString &line);

    // A frame in the switcher's layout: header, byte 14 the device type,
    // payload from byte 17, checksum, end byte.
    QByteArray frame(quint8 addrA, quint8 cmd, const QByteArray &payload,
                     quint8 addrB = MCU_UDP_FRAME::ADDR_B) const;

    static QByteArray fromHex(const QString &text, bool *ok = nullptr);

signals:
    // Raised by the control lines "send <hex>" (to the last peer: an empty
    // address) and "sendto <ip> <port> <hex>".
    void sendRequested(const QByteArray &bytes, const QString &to, quint16 port);

private:
    QByteArray discoveryAnswer() const;
    QByteArray streamEntry(quint8 index) const;
    QByteArray secondBoardAnswer(quint8 addrA, quint8 addrB, quint8 cmd, quint8 index) const;

    quint8 m_type = 0x28;
    QByteArray m_name = "Zv-Solvenzari-Vy";
    bool m_silent = false;
    QHash<quint16, QByteArray> m_payloads;
};
