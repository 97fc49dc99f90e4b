#include "consolemessagehandler.h"
#include "consoleterminal.h"

#include <QTest>

#include <qt_windows.h>

// The updater's coloured lines in a real Windows console.
class TestWinConsole : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A console of its own, whatever the runner gave the process.
        FreeConsole();
        QVERIFY(AllocConsole());
        m_console =
            CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        QVERIFY(m_console != INVALID_HANDLE_VALUE);
        QVERIFY(SetStdHandle(STD_ERROR_HANDLE, m_console));
    }

    void coloursAndUtf8AreSwitchedOn()
    {
        DWORD mode = 0;
        QVERIFY(GetConsoleMode(m_console, &mode));
        QVERIFY(SetConsoleMode(m_console, mode & ~DWORD(ENABLE_VIRTUAL_TERMINAL_PROCESSING)));
        QVERIFY(SetConsoleOutputCP(437));

        ConsoleTerminal::createForPlatform()->enableColours();
        QVERIFY(GetConsoleMode(m_console, &mode));
        QVERIFY(mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING);
        QVERIFY(mode & ENABLE_PROCESSED_OUTPUT);
        // The lines are UTF-8, Chinese included, whatever the system's code page.
        QCOMPARE(GetConsoleOutputCP(), UINT(CP_UTF8));
    }

    void standardErrorWithoutAConsoleIsHarmless()
    {
        HANDLE null = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  0, nullptr);
        QVERIFY(SetStdHandle(STD_ERROR_HANDLE, null));
        ConsoleTerminal::createForPlatform()->enableColours();
        QVERIFY(SetStdHandle(STD_ERROR_HANDLE, nullptr));
        ConsoleTerminal::createForPlatform()->enableColours();
        CloseHandle(null);
        SetStdHandle(STD_ERROR_HANDLE, m_console);
    }

    void cleanupTestCase() { CloseHandle(m_console); }

private:
    HANDLE m_console = INVALID_HANDLE_VALUE;
};

QTEST_GUILESS_MAIN(TestWinConsole)
#include "tst_winconsole.moc"
