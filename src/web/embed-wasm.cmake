# Writes OUTPUT: the WebAssembly WASM, gzip-compressed, as the base64 string
# hcWasm, which page.js unpacks, and then emscripten's SCRIPT.
#   cmake -DWASM=… -DSCRIPT=… -DOUTPUT=… -P embed-wasm.cmake
# gzip -n keeps no name or time, so that the same WebAssembly gives the same bytes.
execute_process(COMMAND gzip -9 -n -c ${WASM} OUTPUT_FILE ${OUTPUT}.gz COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND base64 -w 0 ${OUTPUT}.gz OUTPUT_VARIABLE encoded COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${OUTPUT}.gz)
file(READ ${SCRIPT} script)
file(WRITE ${OUTPUT} "var hcWasm = '${encoded}';\n${script}")
