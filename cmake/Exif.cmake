# libexif, which reads the orientation a camera records, found through pkg-config as
# PkgConfig::EXIF.
find_package(PkgConfig REQUIRED)
pkg_check_modules(EXIF REQUIRED IMPORTED_TARGET libexif)
