// A library for the helper to load, so that a loaded DLL is among the files replaced.
extern "C" __declspec(dllexport) int lockedSwapLibraryVersion()
{
    return 1;
}
