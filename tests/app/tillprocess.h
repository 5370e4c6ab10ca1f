#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

// The program as a process of its own (tests/e2e/till.cpp), driven line by
// line through its standard input and output.
class TillProcess
{
public:
    explicit TillProcess(const QString &folder, const QStringList &options = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(KASSE_TEST_TILL), QStringList{folder} + options);
    }
    ~TillProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.closeWriteChannel();
            if (!m_process.waitForFinished(10000))
                kill();
        }
    }

    // The first line from now on that starts with the prefix; empty when the
    // program ended or stayed silent for half a minute first. Every line read
    // is kept in lines().
    QString waitFor(const QString &prefix)
    {
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
                m_lines << line;
                if (line.startsWith(prefix))
                    return line;
            }
            if (m_process.state() == QProcess::NotRunning)
                return {};
            m_process.waitForReadyRead(100);
        }
        ADD_FAILURE() << "no line \"" << prefix.toStdString() << "\" within 30 s";
        return {};
    }

    void send(const QString &command) { m_process.write((command + u'\n').toUtf8()); }

    // Ends the program as a crash or a power loss does.
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    // Waits until the program has ended by itself; its exit code.
    int finished()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished(30000);
        waitFor(QStringLiteral("\x01")); // reads what is left
        return m_process.exitCode();
    }

    QStringList messages() const { return m_lines.filter(QRegularExpression(QStringLiteral("^MESSAGE "))); }
    const QStringList &lines() const { return m_lines; }

private:
    QProcess m_process;
    QStringList m_lines;
};
