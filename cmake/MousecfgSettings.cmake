# SPDX-License-Identifier: GPL-3.0-or-later
# Every target links mousecfg_settings; the build's options live here and nowhere else.
add_library(mousecfg_settings INTERFACE)
target_compile_features(mousecfg_settings INTERFACE cxx_std_17)
target_compile_options(mousecfg_settings INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
target_compile_definitions(mousecfg_settings INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_STRICT_ITERATORS
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_DEPRECATED_WARNINGS)
if(MOUSECFG_WERROR)
    target_compile_options(mousecfg_settings INTERFACE -Werror)
endif()
if(MOUSECFG_SANITIZE)
    target_compile_options(mousecfg_settings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(mousecfg_settings INTERFACE -fsanitize=address,undefined)
endif()
if(MOUSECFG_TSAN)
    target_compile_options(mousecfg_settings INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(mousecfg_settings INTERFACE -fsanitize=thread)
endif()
# The static libraries bundle each one's moc output into one object, which would drag code a
# program never calls (and the libc functions it imports) into every program that links them.
if(NOT MOUSECFG_SANITIZE AND NOT MOUSECFG_TSAN)
    target_compile_options(mousecfg_settings INTERFACE -ffunction-sections -fdata-sections)
    target_link_options(mousecfg_settings INTERFACE -Wl,--gc-sections)
endif()
# A library a program names but never calls is still loaded and relocated at every start;
# --as-needed leaves it out, -O1 makes the symbol tables quicker to look up.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    target_link_options(mousecfg_settings INTERFACE -Wl,--as-needed -Wl,-O1)
endif()
