# The Windows program: the portable core, the Win32 backend and the resources,
# linked statically into one exe that needs no DLL beyond the system's.

# The version record's texts: "4.00" for 4.0.x.
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits EQUAL 1)
  set(DV_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(DV_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
configure_file(resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)

# The oldest Windows the exes run on (Vista: the newest function they import,
# CompareStringOrdinal, came with it), stated in the headers so that an older
# system refuses the exe clearly.
set(DUSKVEIL_LINK_OPTIONS
  -static -s
  -Wl,--gc-sections
  -Wl,--dynamicbase -Wl,--nxcompat
  -Wl,--no-insert-timestamp
  -Wl,--major-subsystem-version,6 -Wl,--minor-subsystem-version,0
  -Wl,--major-os-version,6 -Wl,--minor-os-version,0)
set(DUSKVEIL_WIN32_SOURCES
  app/main.cpp
  platform/win32/win32_platform.cpp
  platform/win32/registry_store.cpp
  platform/win32/desktop.cpp
  platform/win32/system_facts.cpp
  platform/win32/keyboard.cpp
  platform/win32/front_windows.cpp
  platform/win32/other_copies.cpp
  platform/win32/console.cpp
  platform/win32/popup_menus.cpp
  platform/win32/message_loop.cpp
  platform/win32/window_calls.cpp
  platform/win32/program_starter.cpp
  platform/win32/colour_dialog.cpp
  platform/win32/hot_key_dialog.cpp
  platform/win32/live_region.cpp
  platform/win32/window.cpp
  platform/win32/window_messages.cpp
  platform/win32/paint.cpp
  platform/win32/accessible.cpp
  platform/win32/com_calls.cpp
  platform/win32/text.cpp
  platform/win32/runtime_support.cpp
  platform/win32/system_library.cpp
  platform/win32/monitor_panels.cpp
  platform/win32/monitor_worker.cpp
  resources/duskveil.rc)
set(DUSKVEIL_WIN32_LIBS duskveil_core shell32 gdi32 user32 advapi32)

add_executable(Duskveil WIN32 ${DUSKVEIL_WIN32_SOURCES})
target_include_directories(Duskveil PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(Duskveil PRIVATE ${DUSKVEIL_WIN32_LIBS})
target_link_options(Duskveil PRIVATE ${DUSKVEIL_LINK_OPTIONS}
  -Wl,-Map=${CMAKE_CURRENT_BINARY_DIR}/Duskveil.map)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  target_link_options(Duskveil PRIVATE -Wl,--high-entropy-va)
endif()
set_target_properties(Duskveil PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# A console helper for the end-to-end tests, the benchmarks and the README's
# pictures; never shipped.
add_executable(duskveil_probe tools/probe/main.cpp tools/probe/windows.cpp tools/probe/registry.cpp
  tools/probe/drive.cpp tools/probe/timing.cpp tools/probe/accessible.cpp tools/probe/hot_keys.cpp tools/probe/fit.cpp settings/zones.cpp settings/convert.cpp
  settings/language.cpp resources/texts.cpp overlay/monitors.cpp)
target_include_directories(duskveil_probe PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(duskveil_probe PRIVATE -Wno-conversion -Wno-shadow -Wno-format)
target_link_libraries(duskveil_probe PRIVATE shell32 user32 gdi32 advapi32 psapi oleacc ole32 oleaut32)
target_link_options(duskveil_probe PRIVATE -static -s)
set_target_properties(duskveil_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Simulated monitors for the end-to-end tests and the benchmarks: a stand-in
# for the system's dxva2.dll, kept out of the exe's folder; never shipped.
add_library(monitor_sim SHARED tests/e2e/monitor_sim/dxva2.cpp tests/e2e/monitor_sim/dxva2.def)
target_compile_options(monitor_sim PRIVATE -Wno-conversion -Wno-shadow -Wno-format)
target_link_options(monitor_sim PRIVATE -static -s -Wl,--enable-stdcall-fixup)
set_target_properties(monitor_sim PROPERTIES OUTPUT_NAME dxva2 PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/monitor-sim)

# The benchmark build: the same program, writing timestamps of a few events.
add_executable(DuskveilBench WIN32 ${DUSKVEIL_WIN32_SOURCES} platform/win32/bench_marks.cpp)
target_compile_definitions(DuskveilBench PRIVATE DUSKVEIL_BENCH)
target_include_directories(DuskveilBench PRIVATE ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(DuskveilBench PRIVATE ${DUSKVEIL_WIN32_LIBS})
target_link_options(DuskveilBench PRIVATE ${DUSKVEIL_LINK_OPTIONS})
set_target_properties(DuskveilBench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The reference for the idle figures: only what night mode needs of anyone.
add_executable(reference WIN32 bench/reference.cpp)
target_link_libraries(reference PRIVATE user32 gdi32)
target_link_options(reference PRIVATE -static -s -Wl,--gc-sections)
set_target_properties(reference PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The package a Windows user downloads, made by CPack: the exe, the README as
# plain text, the licence, and their SHA-256 sums, in a zip whose bytes are
# the same for the same sources (strip-nondeterminism fixes its times).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(DUSKVEIL_ARCH win64)
else()
  set(DUSKVEIL_ARCH win32)
endif()
file(READ ${CMAKE_SOURCE_DIR}/README.md readme)
string(REPLACE "\n" "\r\n" readme "Duskveil ${PROJECT_VERSION}\n\n${readme}")
file(WRITE ${CMAKE_BINARY_DIR}/README.txt "${readme}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/README.md)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/SHA256SUMS
  COMMAND ${CMAKE_COMMAND} -DOUT=${CMAKE_BINARY_DIR}/SHA256SUMS
    "-DFILES=$<TARGET_FILE:Duskveil>;${CMAKE_BINARY_DIR}/README.txt;${CMAKE_SOURCE_DIR}/LICENSE"
    -P ${CMAKE_SOURCE_DIR}/cmake/sha256sums.cmake
  DEPENDS Duskveil ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_SOURCE_DIR}/LICENSE
    ${CMAKE_SOURCE_DIR}/cmake/sha256sums.cmake
  VERBATIM)
add_custom_target(checksums ALL DEPENDS ${CMAKE_BINARY_DIR}/SHA256SUMS)

install(TARGETS Duskveil RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_SOURCE_DIR}/LICENSE
  ${CMAKE_BINARY_DIR}/SHA256SUMS DESTINATION .)

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(CPACK_DUSKVEIL_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE CPACK_DUSKVEIL_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT CPACK_DUSKVEIL_EPOCH)
    set(CPACK_DUSKVEIL_EPOCH 1767225600)  # 2026-01-01, outside a checkout
  endif()
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Duskveil)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Duskveil-${PROJECT_VERSION}-${DUSKVEIL_ARCH})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/normalize-zip.cmake)
include(CPack)
