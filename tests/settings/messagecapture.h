#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the log lines written while it exists (and still prints them).
class MessageCapture
{
public:
    MessageCapture() : m_previous(qInstallMessageHandler(&MessageCapture::handle))
    {
        s_current = this;
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    QStringList lines() const { return m_lines; }
    bool contains(const QString &text) const
    {
        for (const QString &line : m_lines) {
            if (line.contains(text))
                return true;
        }
        return false;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_current) {
            s_current->m_lines << message;
            if (s_current->m_previous)
                s_current->m_previous(type, context, message);
        }
    }

    inline static MessageCapture *s_current = nullptr;
    QtMessageHandler m_previous;
    QStringList m_lines;
};
