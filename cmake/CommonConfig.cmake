# Shared compile settings for every Corvanta target.
add_library(corvanta_common INTERFACE)
target_compile_features(corvanta_common INTERFACE cxx_std_17)
target_compile_options(corvanta_common INTERFACE
    -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor)
target_compile_definitions(corvanta_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_USE_QSTRINGBUILDER
    QT_NO_FOREACH)
target_include_directories(corvanta_common INTERFACE ${PROJECT_SOURCE_DIR}/src)
