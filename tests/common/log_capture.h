#pragma once
// Collects the program's debug lines while in scope and restores the previous handler after.
// Warnings and worse still reach the previous handler, so QTest::ignoreMessage keeps working.
// Captures nest: the innermost one collects.

#include <QStringList>

#include <utility>

class LogCapture
{
public:
    LogCapture() : m_outer(current()), m_previous(qInstallMessageHandler(&LogCapture::handler)) { current() = this; }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        current() = m_outer;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const QStringList& messages() const { return m_messages; }
    // Hands over what was collected so far and starts afresh.
    QStringList takeAll() { return std::exchange(m_messages, {}); }

private:
    static LogCapture*& current()
    {
        static LogCapture* c = nullptr;
        return c;
    }
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& msg)
    {
        LogCapture* self = current();
        if (self && (type == QtDebugMsg || type == QtInfoMsg))
            self->m_messages << msg;
        else if (self && self->m_previous)
            self->m_previous(type, context, msg);
    }

    LogCapture* m_outer;
    QtMessageHandler m_previous;
    QStringList m_messages;
};
