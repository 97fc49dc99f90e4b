#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTest>

// One run of a program with its log collected; the run is ended when the object goes.
class ProgramRun
{
public:
    ProgramRun(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &environment)
    {
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program, arguments);
        m_process.waitForStarted(5000);
    }
    ~ProgramRun() { stop(); }
    ProgramRun(const ProgramRun &) = delete;
    ProgramRun &operator=(const ProgramRun &) = delete;

    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() == QProcess::Running; }

    QString log()
    {
        m_log += QString::fromUtf8(m_process.readAll());
        return m_log;
    }
    bool waitForLog(const QString &text, int timeoutMs = 15000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!log().contains(text)) {
            if (deadline.hasExpired() || !running())
                return log().contains(text);
            m_process.waitForReadyRead(100);
        }
        return true;
    }
    // The exit code, or -1000 when the program is still running after timeoutMs.
    int waitForExit(int timeoutMs = 15000)
    {
        if (!m_process.waitForFinished(timeoutMs) && running())
            return -1000;
        log();
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -2000;
    }
    // SIGKILL: the program gets no chance to clean up, like a crash.
    void crash()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    void stop()
    {
        if (!running())
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

private:
    QProcess m_process;
    QString m_log;
};
