# The Debian package of the system layout: cpack -G DEB in the build folder makes
# quillmark_<version>_amd64.deb. Library dependencies come from the binary
# (dpkg-shlibdeps); the Qt Quick modules it loads at run time are named here,
# since no linker sees them.
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "The Quillmark developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw over the screen during a presentation")
set(CPACK_PACKAGE_DESCRIPTION "Quillmark keeps a narrow toolbar above every window; one click \
turns the screen into a transparent drawing surface for pen, highlighter, shapes, arrows, text \
and numbered circles, with undo, fade-out, boards, screen capture and system-wide hot keys.")
set(CPACK_PACKAGE_CONTACT "The Quillmark developers <dev@quillmark.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillmark.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
    qml6-module-qtqml qml6-module-qtqml-workerscript qml6-module-qtquick
    qml6-module-qtquick-window qml6-module-qtquick-controls qml6-module-qtquick-templates
    qml6-module-qtquick-layouts qml6-module-qtquick-dialogs qml6-module-qtquick-shapes
    qml6-module-qt-labs-folderlistmodel)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS hicolor-icon-theme)
include(CPack)
