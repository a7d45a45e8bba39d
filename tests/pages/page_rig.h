#pragma once
// A controller bound to a stand-in device on 127.0.0.2 and a receiver where the
// device would listen, so a page test sees exactly the frames its controls send.

#include "bytes.h"
#include "loopback_controller.h"
#include "marker_frames.h"

#include <QComboBox>
#include <QHostAddress>
#include <QLabel>
#include <QSpinBox>
#include <QList>
#include <QTimer>
#include <QtTest>

#include <memory>

struct SentFrame
{
    quint8 cmd = 0;
    QByteArray data;  // the bytes between the command byte and the checksum
    bool wellFormed = false;
};

inline SentFrame parseFrame(const QByteArray& d)
{
    SentFrame f;
    f.wellFormed = d.size() >= 20 && byteAt(d, 0) == 0xA5 && byteAt(d, 1) == 0x6C && leU16(d, 2) == d.size()
                   && byteAt(d, 4) == 0xA5 && byteAt(d, 5) == 0xFF && byteAt(d, d.size() - 1) == 0xAE;
    if (d.size() >= 20) {
        f.cmd = byteAt(d, 16);
        f.data = d.mid(17, d.size() - 20);
    }
    return f;
}

// Sets the named control of a page as the operator would: a combo box's item
// or a spin box's value. False when the page has no such control.
inline bool setControl(QWidget* page, const QString& name, int value)
{
    QWidget* w = page->findChild<QWidget*>(name);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        box->setCurrentIndex(value);
        return true;
    }
    if (auto* box = qobject_cast<QSpinBox*>(w)) {
        box->setValue(value);
        return true;
    }
    return false;
}

inline QLabel* labelWithText(QWidget* page, const QString& text)
{
    for (QLabel* l : page->findChildren<QLabel*>())
        if (l->text() == text)
            return l;
    return nullptr;
}

// Runs f as the panels apply a reply: with updateDevStateEnable raised.
template <class F>
void asReply(F f)
{
    DevStateGuard applying;
    f();
}

// Applies the PIP or POP fields of a state record as the panels' decoders do,
// in record order: border enable, colour, width, size, H (hi, lo), V (hi, lo).
template <class Page>
void applyWindowRecord(Page& page, const QByteArray& r)
{
    DevStateGuard applying;
    const auto b = [&](int i) { return uint8_t(r.at(i)); };
    page.set_BorderEnable_Style(b(0));
    page.set_BorderColor_Style(b(1));
    page.set_BorderWidth_Style(b(2));
    page.set_Size_Style(b(3));
    page.set_Hposition_Style(b(4), b(5));
    page.set_Vposition_Style(b(6), b(7));
}

class PageRig
{
public:
    static constexpr quint8 kMarkerCmd = 0x83;  // CUT: always sent, never by a page

    PageRig() : fun(loopback::controller()), capture(loopback::kDevice, loopback::kPort) { frames(); }

    // Every page frame sent since the last call. A marker frame is sent and
    // awaited, and datagrams on loopback keep their order, so whatever was sent
    // before it has arrived by then.
    QList<SentFrame> frames()
    {
        const MarkedFrames got = collectUntilMarker(
            capture, [this] { fun->m_on_btnCut_clicked(); },
            [](const QByteArray& f) { return frameCommand(f) == kMarkerCmd; },
            [](const QByteArray& f) { return frameCommand(f) == 0x06 || frameCommand(f) == 0x0A; });
        markerSeen = got.markerSeen;
        QList<SentFrame> out;
        for (const QByteArray& f : got.before)
            out << parseFrame(f);
        return out;
    }

    std::unique_ptr<onlyFun> fun;
    UdpCapture capture;
    bool markerSeen = false;
};

// The single frame sent since the last look, checked for shape, command and data.
#define ZV_EXPECT_ONE_FRAME(rig, command, expectedData)                 \
    do {                                                                 \
        const QList<SentFrame> sent_ = (rig).frames();                   \
        QVERIFY((rig).markerSeen);                                       \
        QCOMPARE(sent_.size(), 1);                                       \
        QVERIFY(sent_.first().wellFormed);                               \
        QCOMPARE(int(sent_.first().cmd), int(command));                  \
        QCOMPARE(sent_.first().data.toHex(' '), (expectedData).toHex(' ')); \
    } while (0)

#define ZV_EXPECT_NO_FRAME(rig)                      \
    do {                                             \
        const QList<SentFrame> sent_ = (rig).frames(); \
        QVERIFY((rig).markerSeen);                   \
        QCOMPARE(sent_.size(), 0);                   \
    } while (0)
