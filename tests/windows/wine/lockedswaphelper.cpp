// A stand-in for a running program's files: "run [DLL]" keeps its own .exe mapped, and
// with DLL that library loaded; "hold PATH [MS]" keeps PATH open without
// FILE_SHARE_DELETE, as an editor or a virus scanner may (with MS, only for that many
// milliseconds). Either prints "ready" once it holds what it holds and then waits to be
// ended.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

int wmain(int argc, wchar_t **argv)
{
    HANDLE file = INVALID_HANDLE_VALUE;
    if ((argc == 3 || argc == 4) && std::wcscmp(argv[1], L"hold") == 0) {
        file = CreateFileW(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            std::printf("cannot open: %lu\n", GetLastError());
            return 1;
        }
    } else if ((argc == 2 || argc == 3) && std::wcscmp(argv[1], L"run") == 0) {
        if (argc == 3 && !LoadLibraryW(argv[2])) {
            std::printf("cannot load: %lu\n", GetLastError());
            return 1;
        }
    } else {
        std::printf("usage: run [DLL] | hold PATH [MS]\n");
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    if (argc == 4) {
        Sleep(DWORD(std::wcstoul(argv[3], nullptr, 10)));
        CloseHandle(file);
    }
    Sleep(INFINITE);
    return 0;
}
