# Shared compile settings for every Corvanta target.
add_library(corvanta_common INTERFACE)
target_compile_features(corvanta_common INTERFACE cxx_std_17)
target_compile_options(corvanta_common INTERFACE
    -Wall -Wextra -pedantic -Wold-style-cast -Wnon-virtual-dtor)
target_compile_definitions(corvanta_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_DISABLE_DEPRECATED_UP_TO=0x060400
    QT_USE_QSTRINGBUILDER
    QT_NO_FOREACH
    CORVANTA_VERSION="${PROJECT_VERSION}")
target_include_directories(corvanta_common INTERFACE ${PROJECT_SOURCE_DIR}/src)
