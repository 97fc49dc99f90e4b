#include "rfbclient.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTest>
#include <QtEndian>

namespace {

constexpr quint8 securityNone = 1;
constexpr quint8 keyEventType = 4;
constexpr quint8 pointerEventType = 5;

quint32 bigEndian32(const QByteArray &bytes, int at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

} // namespace

bool RfbClient::readExactly(QByteArray *into, qint64 size, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (m_socket.bytesAvailable() < size) {
        if (waited.elapsed() > timeoutMs || m_socket.state() != QTcpSocket::ConnectedState)
            return false;
        m_socket.waitForReadyRead(50);
    }
    *into = m_socket.read(size);
    return true;
}

bool RfbClient::connectTo(quint16 port, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    // The server may still be starting: it listens once it has the output.
    while (true) {
        m_socket.abort();
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        if (m_socket.waitForConnected(500))
            break;
        if (waited.elapsed() > timeoutMs) {
            qWarning() << "rfb: nothing listens on port" << port;
            return false;
        }
        QTest::qWait(100);
    }
    QByteArray bytes;
    if (!readExactly(&bytes, 12, timeoutMs) || !bytes.startsWith("RFB ")) {
        qWarning() << "rfb: no protocol version from the server" << bytes;
        return false;
    }
    send("RFB 003.008\n");
    QByteArray count;
    if (!readExactly(&count, 1, timeoutMs) || count.at(0) == 0) {
        qWarning() << "rfb: the server offers no security type";
        return false;
    }
    QByteArray types;
    readExactly(&types, quint8(count.at(0)), timeoutMs);
    if (!types.contains(char(securityNone))) {
        qWarning() << "rfb: the server wants authentication";
        return false;
    }
    send(QByteArray(1, char(securityNone)));
    QByteArray result;
    if (!readExactly(&result, 4, timeoutMs) || bigEndian32(result, 0) != 0) {
        qWarning() << "rfb: the server refused the connection";
        return false;
    }
    send(QByteArray(1, char(1))); // shared: other clients may stay
    // Width, height, a 16-byte pixel format and the name's length, then the name.
    QByteArray init;
    if (!readExactly(&init, 24, timeoutMs)) {
        qWarning() << "rfb: no server init";
        return false;
    }
    m_frameSize = QSize(qFromBigEndian<quint16>(init.constData()),
                        qFromBigEndian<quint16>(init.constData() + 2));
    QByteArray name;
    readExactly(&name, bigEndian32(init, 20), timeoutMs);
    return true;
}

bool RfbClient::send(const QByteArray &message)
{
    if (m_socket.write(message) != message.size())
        return false;
    return m_socket.flush() || m_socket.bytesToWrite() == 0;
}

bool RfbClient::sendPointer()
{
    QByteArray message(6, '\0');
    message[0] = char(pointerEventType);
    message[1] = char(m_buttons);
    qToBigEndian<quint16>(quint16(qMax(0, m_position.x())), message.data() + 2);
    qToBigEndian<quint16>(quint16(qMax(0, m_position.y())), message.data() + 4);
    const bool sent = send(message);
    m_socket.waitForBytesWritten(1000);
    // The compositor handles events in order; a short pause lets clients see each one.
    QTest::qWait(8);
    return sent;
}

bool RfbClient::move(QPoint to)
{
    m_position = to;
    return sendPointer();
}

bool RfbClient::press(int button)
{
    m_buttons |= quint8(1u << (button - 1));
    return sendPointer();
}

bool RfbClient::release(int button)
{
    m_buttons &= quint8(~(1u << (button - 1)));
    return sendPointer();
}

bool RfbClient::click(QPoint at, int button)
{
    return move(at) && press(button) && release(button);
}

bool RfbClient::drag(QPoint from, QPoint to, int step)
{
    bool ok = move(from) && press(1);
    const QPoint span = to - from;
    const int steps = qMax(1, qMax(qAbs(span.x()), qAbs(span.y())) / qMax(1, step));
    for (int i = 1; ok && i <= steps; ++i) {
        ok = move(from + span * i / steps);
        QTest::qWait(10);
    }
    return release(1) && ok;
}

bool RfbClient::key(quint32 keysym, bool down)
{
    QByteArray message(8, '\0');
    message[0] = char(keyEventType);
    message[1] = char(down ? 1 : 0);
    qToBigEndian<quint32>(keysym, message.data() + 4);
    const bool sent = send(message);
    m_socket.waitForBytesWritten(1000);
    QTest::qWait(8);
    return sent;
}
