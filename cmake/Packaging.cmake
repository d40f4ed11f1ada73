# The Debian package (cpack -G DEB, scripts/package.sh): everything `cmake --install` lays out
# (with the udev rule under /usr/lib/udev/rules.d), with the dependencies dpkg-shlibdeps finds in
# the two programs (Qt, and yaml-cpp's library, which reads set-ups kept as text).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qv7100)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT
    "Seed 30ac7aff maintainers <maintainers@users.noreply.c-seed-30ac7aff.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for the QV-7100 hand-held radio")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/qv7100-tool/qv7100-programming-tool")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese captions need a font with Chinese characters; a machine without one shows boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The extended description; CPack puts the summary above it and marks its empty lines as Debian
# wants them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Reads a QV-7100 hand-held radio's memory over a serial programming cable,
edits its 48 channels and its settings, writes it back, and keeps set-ups
as *.DAT files or as readable text (YAML) for review and version control.
Every caption is in Simplified Chinese and in English.

The package holds the desktop program qv7100, with its menu entry, and the
command line qv7100-cli, which reads, writes and shows set-ups without
windows and serves a virtual radio for trying the tool without hardware.

A udev rule gives the user at the computer's screen the common programming
cables (CH340/CH341, PL2303, CP210x, FTDI) and keeps ModemManager off them.
For other serial ports the user must be in the dialout group:
sudo usermod -aG dialout $USER, then log in again.")
# The maintainer scripts apply the udev rule to cables already plugged in, and take it back.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/data/debian/postinst ${PROJECT_SOURCE_DIR}/data/debian/postrm)
include(CPack)
