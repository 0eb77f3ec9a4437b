# Compile flags, as interface targets that each target links.
option(TRAVONIX_WERROR "Warnings are errors (the test command builds so; a user's build does not)" OFF)

set(travonix_warnings -Wall -Wextra -Wpedantic)
if(TRAVONIX_WERROR)
    list(APPEND travonix_warnings -Werror)
endif()

# Tests, benchmarks and tools: the warnings.
add_library(travonix_test_flags INTERFACE)
target_compile_options(travonix_test_flags INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:${travonix_warnings}>
    $<$<CXX_COMPILER_ID:MSVC>:/W4 $<$<BOOL:${TRAVONIX_WERROR}>:/WX>>)
target_compile_definitions(travonix_test_flags INTERFACE UNICODE _UNICODE)

# The product: besides, Qt's strict rules on strings, URLs and iterators
# (every conversion from bytes says its encoding), and the warnings that
# catch shadowed names, missing virtual destructors and C casts.
add_library(travonix_flags INTERFACE)
target_link_libraries(travonix_flags INTERFACE travonix_test_flags)
target_compile_options(travonix_flags INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast>)
target_compile_definitions(travonix_flags INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_STRICT_ITERATORS)
