# The Windows program: the portable core, the Win32 backend and the resources,
# linked statically into one exe that needs no DLL beyond the system's.
set(DUSKVEIL_WIN32_SOURCES
  platform/win32/main.cpp
  platform/win32/win32_platform.cpp
  platform/win32/registry.cpp
  platform/win32/window.cpp
  platform/win32/paint.cpp
  platform/win32/text.cpp
  platform/win32/runtime_support.cpp
  resources/duskveil.rc)
set(DUSKVEIL_WIN32_LIBS duskveil_core shell32 gdi32 user32 advapi32)

add_executable(Duskveil WIN32 ${DUSKVEIL_WIN32_SOURCES})
target_link_libraries(Duskveil PRIVATE ${DUSKVEIL_WIN32_LIBS})
target_link_options(Duskveil PRIVATE
  -static -s
  -Wl,--gc-sections
  -Wl,--dynamicbase -Wl,--nxcompat
  -Wl,--no-insert-timestamp
  -Wl,-Map=${CMAKE_CURRENT_BINARY_DIR}/Duskveil.map)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  target_link_options(Duskveil PRIVATE -Wl,--high-entropy-va)
endif()
set_target_properties(Duskveil PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# A console helper for the end-to-end tests, the benchmarks and the README's
# pictures; never shipped.
add_executable(duskveil_probe tools/probe/main.cpp tools/probe/windows.cpp tools/probe/registry.cpp
  tools/probe/drive.cpp tools/probe/timing.cpp)
target_include_directories(duskveil_probe PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(duskveil_probe PRIVATE -Wno-conversion -Wno-shadow -Wno-format)
target_link_libraries(duskveil_probe PRIVATE shell32 user32 gdi32 advapi32 psapi)
target_link_options(duskveil_probe PRIVATE -static -s)
set_target_properties(duskveil_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The benchmark build: the same program, writing timestamps of a few events.
add_executable(DuskveilBench WIN32 ${DUSKVEIL_WIN32_SOURCES} platform/win32/bench_marks.cpp)
target_compile_definitions(DuskveilBench PRIVATE DUSKVEIL_BENCH)
target_link_libraries(DuskveilBench PRIVATE ${DUSKVEIL_WIN32_LIBS})
target_link_options(DuskveilBench PRIVATE -static -s -Wl,--gc-sections)
set_target_properties(DuskveilBench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The reference for the idle figures: only what night mode needs of anyone.
add_executable(reference WIN32 bench/reference.cpp)
target_link_libraries(reference PRIVATE user32 gdi32)
target_link_options(reference PRIVATE -static -s -Wl,--gc-sections)
set_target_properties(reference PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
