#pragma once
// Collects the program's debug lines while in scope, for tests that check log lines; restores the
// previous handler after. Warnings and worse still reach the previous handler, so
// QTest::ignoreMessage keeps working. Captures nest: the innermost one collects.

#include <QString>
#include <QStringList>
#include <QtGlobal>

class LogCapture
{
public:
    LogCapture()
        : m_outer(current())
    {
        current() = this;
        m_previous = qInstallMessageHandler(&LogCapture::handler);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        current() = m_outer;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const QStringList& messages() const { return m_messages; }
    const QStringList& lines() const { return m_messages; }
    // Hands over what was collected so far and starts afresh.
    QStringList takeAll()
    {
        QStringList out;
        out.swap(m_messages);
        return out;
    }
    void clear() { m_messages.clear(); }

private:
    static LogCapture*& current()
    {
        static LogCapture* c = nullptr;
        return c;
    }
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& msg)
    {
        LogCapture* self = current();
        if (!self)
            return;
        if (type == QtDebugMsg || type == QtInfoMsg) {
            self->m_messages << msg;
            return;
        }
        if (self->m_previous)
            self->m_previous(type, context, msg);
    }

    LogCapture* m_outer = nullptr;
    QStringList m_messages;
    QtMessageHandler m_previous = nullptr;
};
