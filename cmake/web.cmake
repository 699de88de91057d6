# The WebAssembly build (Debian's emscripten): the core compiled as it is for
# the desktop, with C++ exceptions, which emcc otherwise turns into aborts.

# Where the page is put together (src/web), and the browser tests find it.
set(HANGING_CHAIN_SITE_DIR ${PROJECT_BINARY_DIR}/site)
# The page with emscripten's run-time checks (the tests build it, at -O0, as
# well as the page that ships).
option(HANGING_CHAIN_WEB_ASSERTIONS "Build the page with emscripten's assertions" OFF)
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
target_link_options(hc_link_requirements INTERFACE -fexceptions)

# hc_node_program(<target>): a program the tests run under node, which reads
# and writes the real file system (a fuzz corpus, gtest's output) and grows
# its memory as a native one does.
function(hc_node_program target)
  target_link_options(${target} PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)
endfunction()

# GoogleTest without threads, which the page and node's tests do without.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)

# emcc 3.1.6's output fetches its .wasm when it finds a fetch(), which node
# 18 and later have; it must read the file instead.
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE_JS_EXECUTABLE} --no-experimental-fetch)
