# The C libraries Lumora's picture readers sit on, found through pkg-config: libexif (the
# orientation a camera records), libheif (HEIF and AVIF), libjxl (JPEG XL), LibRaw's
# thread-safe build (camera RAW) and libwebp (still WebP pictures); libyuv, which has no
# pkg-config file, turns HEIF's and AVIF's YCbCr planes into RGB.
# lumora_picture_libraries links them all, with libjpeg.
find_package(PkgConfig REQUIRED)
pkg_check_modules(EXIF REQUIRED IMPORTED_TARGET libexif)
pkg_check_modules(HEIF REQUIRED IMPORTED_TARGET libheif)
pkg_check_modules(JXL REQUIRED IMPORTED_TARGET libjxl)
pkg_check_modules(RAW REQUIRED IMPORTED_TARGET libraw_r)
pkg_check_modules(WEBP REQUIRED IMPORTED_TARGET libwebp libwebpdemux)
find_library(YUV_LIBRARY yuv REQUIRED)
find_path(YUV_INCLUDE_DIR libyuv.h REQUIRED)
add_library(lumora_yuv INTERFACE)
target_link_libraries(lumora_yuv INTERFACE ${YUV_LIBRARY})
target_include_directories(lumora_yuv SYSTEM INTERFACE ${YUV_INCLUDE_DIR})
add_library(lumora_picture_libraries INTERFACE)
target_link_libraries(lumora_picture_libraries INTERFACE JPEG::JPEG PkgConfig::EXIF PkgConfig::HEIF PkgConfig::JXL
                                                         PkgConfig::RAW PkgConfig::WEBP lumora_yuv)
