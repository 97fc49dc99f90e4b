#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <QTcpSocket>

// The few lines of the RFB protocol (VNC) a test needs to move a real pointer and press
// real keys in a Wayland session: wayvnc turns them into a virtual pointer and keyboard,
// so a button held while the pointer moves makes a drag, which the compositor's own
// commands cannot. No authentication; loopback only.
class RfbClient
{
public:
    // Connects and shakes hands; false (and a warning) when the server does not answer.
    bool connectTo(quint16 port, int timeoutMs = 5000);
    bool isConnected() const { return m_socket.state() == QTcpSocket::ConnectedState; }
    // The size of the frame the server shares: the output's, in output pixels.
    QSize frameSize() const { return m_frameSize; }

    bool move(QPoint to);
    // Buttons 1 (left), 2 (middle), 3 (right).
    bool press(int button = 1);
    bool release(int button = 1);
    bool click(QPoint at, int button = 1);
    // Holds the button from `from` to `to` in steps of about `step` pixels.
    bool drag(QPoint from, QPoint to, int step = 20);
    // An X keysym (0x61 'a', 0xff1b Escape, 0xffe3 Control_L ...).
    bool key(quint32 keysym, bool down);
    bool tap(quint32 keysym) { return key(keysym, true) && key(keysym, false); }

private:
    bool readExactly(QByteArray *into, qint64 size, int timeoutMs);
    bool send(const QByteArray &message);
    bool sendPointer();

    QTcpSocket m_socket;
    QSize m_frameSize;
    QPoint m_position;
    quint8 m_buttons = 0;
};
