#pragma once
// What the series-8 panel tests share: the panels' own command layers, their
// tool windows (top-level windows of their own), and what a click on a
// flashing key did.

#include "druvela_workdata.h"
#include "edition_frames.h"
#include "panel_command.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QtTest>

#include <functional>

// The panel's own command layer (the PIP preview has another, further down).
inline Druvela_workdata* panelLink(QObject* panel)
{
    return panel->findChild<Druvela_workdata*>(QString(), Qt::FindDirectChildrenOnly);
}

// The tool window named objectName ("setWidget", "f1Widget"); there is one
// panel at a time.
inline QWidget* toolWindow(const char* objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName))
            return w;
    return nullptr;
}

template <class Content>
Content* toolContent(const char* objectName)
{
    QWidget* window = toolWindow(objectName);
    return window ? window->findChild<Content*>() : nullptr;
}

// What a click on a flashing key did: how often the key's look changed, and
// the look and the time since the click when its frame was written (the
// layer logs each frame just before it sends it).
struct ClickSeen {
    int lookChanges = 0;
    bool sent = false;
    QString lookAtSend;
    qint64 msAtSend = -1;
};

namespace Series8Rig {
inline std::function<void()>& onLogLine()
{
    static std::function<void()> hook;
    return hook;
}
inline void logHandler(QtMsgType, const QMessageLogContext&, const QString& msg)
{
    if (onLogLine() && msg.contains(QLatin1String("senbuf")))
        onLogLine()();
}
} // namespace Series8Rig

// Installed on a key: deletes victim from the event loop as soon as the key
// shows a new look, i.e. inside the wait that follows its lighting.
struct DeleteOnLight : QObject {
    QObject* victim;
    explicit DeleteOnLight(QObject* v) : victim(v) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::StyleChange && victim) {
            QMetaObject::invokeMethod(qApp, [v = victim] { delete v; }, Qt::QueuedConnection);
            victim = nullptr;
        }
        return false;
    }
};

// The looks a key takes while the event loop runs: each resize with the
// style sheet it shows then (a blink tick happens inside one event, so a
// polling test would not see it).
struct ResizeLog : QObject {
    QList<QPair<QSize, QString>> seen;
    QWidget* key;
    explicit ResizeLog(QWidget* k) : key(k) { key->installEventFilter(this); }
    ~ResizeLog() override { key->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            seen.append({key->size(), key->styleSheet()});
        return false;
    }
};

inline ClickSeen clickWatching(QAbstractButton* key)
{
    struct LookCounter : QObject {
        int changes = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::StyleChange)
                ++changes;
            return false;
        }
    } counter;
    ClickSeen seen;
    QElapsedTimer clock;
    Series8Rig::onLogLine() = [&] {
        if (seen.sent)
            return;
        seen.sent = true;
        seen.lookAtSend = key->styleSheet();
        seen.msAtSend = clock.elapsed();
    };
    const QtMessageHandler previous = qInstallMessageHandler(Series8Rig::logHandler);
    key->installEventFilter(&counter);
    clock.start();
    key->click();
    key->removeEventFilter(&counter);
    qInstallMessageHandler(previous);
    Series8Rig::onLogLine() = nullptr;
    seen.lookChanges = counter.changes;
    return seen;
}

using Frames = QList<QByteArray>;

// A transition code as the one-argument transition command sends it.
inline Frames transitionFrames(int code)
{
    if (code == 1)
        return {panelCommand(0x8D)};
    if (code == 2)
        return {panelCommand(0x8E)};
    static const int wipe[4] = {0x25, 0x29, 0x23, 0x27};  // codes 3..6
    return {panelCommand(0x8F), panelCommand(0x92, {wipe[code - 3]})};
}

inline QByteArray tbarFrame(int dir, int pos) { return panelCommand(0x82, {dir, pos}); }

// Full-state replies and the serial line each gives a SET window (columns
// reply, label). The serial is reply bytes 31..38; the checksum takes the
// three bytes before the end.
inline void addSerialLabelRows()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("label");
    const auto serial = [](std::initializer_list<int> bytes, QMap<int, quint8> record = {}) {
        int at = 31;
        for (int b : bytes)
            record.insert(at++ - 18, quint8(b));
        return record;
    };
    const auto dump = [](const QMap<int, quint8>& record, int size) {
        return EditionFrames::stateDump(record, 0, 0, size);
    };
    QTest::newRow("all zero, neighbours set")
        << dump(serial({0, 0, 0, 0, 0, 0, 0, 0}, {{12, 0x77}, {21, 0x88}}), 160) << "SN:";
    QTest::newRow("eight bytes") << dump(serial({0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef}), 160)
                                 << "SN:1 23 45 67 89 ab cd ef ";
    QTest::newRow("zeros left out") << dump(serial({0x12, 0, 0xff, 0, 0, 0, 0, 0x0a}), 160) << "SN:12 ff a ";
    QTest::newRow("the smallest dump the panel applies")
        << dump(serial({0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17}), 60) << "SN:10 11 12 13 14 15 16 17 ";
    QTest::newRow("byte 38 just before the checksum") << dump(serial({1, 0, 0, 0, 0, 0, 0, 9}), 42) << "SN:1 9 ";
    QTest::newRow("one byte short") << dump(serial({1, 0, 0, 0, 0, 0, 0, 9}), 41) << "SN:";
    QTest::newRow("a request-sized reply") << dump({}, 20) << "SN:";
}

// The reply each serial row follows, so that every row's label is a change.
inline QByteArray serialPrimer() { return EditionFrames::stateDump({{13, 0xaa}}); }
inline QString serialPrimerLabel() { return QStringLiteral("SN:aa "); }
