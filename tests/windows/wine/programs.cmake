# The Windows test programs, shared by the cross build (CMakeLists.txt here) and the
# registration with ctest in the Linux build (register.cmake).
set(QUILLMARK_WINDOWS_TESTS
    tst_filenamepolicy tst_consolemessagehandler
    tst_winsettingsstore tst_winautostart tst_winmemoryinfo tst_winconsole tst_winhotkey
    tst_winsingleinstance tst_winlockedswap)
