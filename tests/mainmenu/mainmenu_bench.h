#pragma once
// A settings window bound through a real controller to a stand-in switcher
// listening on 127.0.0.2:7000.

#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "test_frame.h"
#include "marker_frames.h"

#include <QComboBox>
#include <QHostAddress>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <memory>

constexpr quint8 kMainA = 0xA5;
constexpr quint8 kStreamA = 0xE0;
constexpr quint8 kAddrB = 0xFF;
constexpr quint8 kHeartbeat = 0x06;
constexpr quint8 kReadState = 0x0A;

// The frame the switcher expects: header, data, 16-bit byte sum low byte first, 0xAE.
inline QByteArray expectedFrame(quint8 a, quint8 cmd, const QByteArray& data, quint8 flag = 0x01)
{
    QByteArray f = QByteArray::fromHex("a56c0000");
    f.append(char(a)).append(char(kAddrB)).append(char(flag)).append(QByteArray(9, '\0'));
    f.append(char(cmd)).append(data);
    sealTestFrame(f);
    return f;
}

struct MainMenuBench
{
    explicit MainMenuBench(quint32 devType, const QString& deviceIp = QStringLiteral("127.0.0.2"))
        : device(QHostAddress(deviceIp), 7000)
    {
        DEV_CHILD_TYPE = devType;
        fun = std::make_unique<onlyFun>();
        fun->DevTypeID(deviceIp, kMainA, kAddrB, QStringLiteral("0.0.0.0"), 0, 0);
        window = std::make_unique<MainMenu>(nullptr, fun.get());
        window->getDevIP(deviceIp);
        // Stands in for the switcher's heartbeat answers, so the controller never declares it offline.
        QObject::connect(&keepAlive, &QTimer::timeout, [this] { fun->getHeart(QByteArray()); });
        keepAlive.start(500);
    }

    ~MainMenuBench()
    {
        window.reset();
        fun.reset();
        updateDevStateEnable = false;
    }

    template <typename T>
    T* field(const char* name) const
    {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no field %s", name);
        return w;
    }

    // Command frames that reached a capture, without the controller's own heartbeat and state requests.
    static QList<QByteArray> commands(UdpCapture& at)
    {
        QList<QByteArray> out;
        for (const CapturedDatagram& d : at.takeAll()) {
            const quint8 cmd = d.data.size() > 16 ? quint8(d.data.at(16)) : 0;
            if (cmd != kHeartbeat && cmd != kReadState)
                out << d.data;
        }
        return out;
    }

    // Waits until `at` has received n command frames (heartbeats and state requests not counted).
    static QList<QByteArray> waitCommands(UdpCapture& at, int n, int ms = 3000)
    {
        QList<QByteArray> got;
        QElapsedTimer t;
        t.start();
        while (got.size() < n && t.elapsed() < ms) {
            at.waitForDatagram(int(qMax<qint64>(1, ms - t.elapsed())));
            got << commands(at);
        }
        return got;
    }

    // Flips the fan mode, which always sends, and returns everything that reached the device
    // up to and including that frame: whatever an earlier action sent arrives before it.
    QList<QByteArray> sentUpToMarker(UdpCapture& at)
    {
        QComboBox* fan = field<QComboBox>("comboBox_fanCtrl");
        const int next = 1 - fan->currentIndex();
        const QByteArray marker = expectedFrame(kMainA, 0x6C, bytes({next}));
        MarkedFrames got = collectUntilMarker(
            at, [fan, next] { fan->setCurrentIndex(next); }, [&marker](const QByteArray& f) { return f == marker; },
            [](const QByteArray& f) { return frameCommand(f) == kHeartbeat || frameCommand(f) == kReadState; });
        if (got.markerSeen)
            got.before << marker;
        return got.before;
    }

    UdpCapture device;
    QTimer keepAlive;
    std::unique_ptr<onlyFun> fun;
    std::unique_ptr<MainMenu> window;
};
