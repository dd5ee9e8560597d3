# Copies the player's runtime files (not the source maps) from the npm package
# folder FROM into TO, removing files of an earlier version.
file(GLOB runtime_files ${FROM}/ruffle.js ${FROM}/core.ruffle.*.js ${FROM}/*.wasm)
if(NOT runtime_files)
  message(FATAL_ERROR "no Ruffle files in ${FROM}")
endif()
file(GLOB stale_files ${TO}/core.ruffle.*.js ${TO}/*.wasm)
if(stale_files)
  file(REMOVE ${stale_files})
endif()
file(COPY ${runtime_files} DESTINATION ${TO})
