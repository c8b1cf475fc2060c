# The web page, built by emscripten (emcmake cmake -S . -B build-web): the
# shared model and sheet sources and the layout table compiled to
# WebAssembly, with the page's script, style, fonts and background picture
# inlined into one file, kethmor-planner.html.
set(web_src ${CMAKE_CURRENT_SOURCE_DIR}/src/web)
# Small code loads and starts faster: optimised for size, with the small allocator.
string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
add_library(kethmor_web_model STATIC ${KETHMOR_MODEL_SOURCES} ${KETHMOR_SHEET_SOURCES} ${KETHMOR_SESSION_SOURCES})
target_include_directories(kethmor_web_model PUBLIC src)

# emscripten's tools find their JavaScript modules (Debian's) under a Node.js
# that is not Debian's only by NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
add_executable(kethmor_planner_wasm src/web/planner.cpp)
target_link_libraries(kethmor_planner_wasm PRIVATE kethmor_web_model)
# A script and its WebAssembly, which the page holds and hands to the script
# itself (a single-file build would fetch it from a data: address, slowly);
# no file system: the page hands the sheet's bytes in and out itself.
target_link_options(kethmor_planner_wasm PRIVATE -sMODULARIZE=1 -sEXPORT_NAME=KethmorPlanner
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 -sMALLOC=emmalloc -sEXPORTED_FUNCTIONS=_malloc,_free
  -sEXPORTED_RUNTIME_METHODS=UTF8ToString)

# The seeded sessions' sheets, run under Node.js against the desktop build's
# (tests/web).
add_executable(seeded_sheets tests/web/seeded_sheets.cpp)
target_link_libraries(seeded_sheets PRIVATE kethmor_web_model)
target_include_directories(seeded_sheets PRIVATE tests)
target_link_options(seeded_sheets PRIVATE -sENVIRONMENT=node -sALLOW_MEMORY_GROWTH=1 -sSINGLE_FILE=1)

set(web_parts ${web_src}/page.html ${web_src}/page.css ${web_src}/main.js ${web_src}/window.js ${web_src}/keys.js
              ${web_src}/sheets.js ${web_src}/share.js ${web_src}/plan.js ${web_src}/goal.js ${web_src}/touch.js ${web_src}/touch.css)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/kethmor-planner.html
  COMMAND ${KETHMOR_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/make_web_page.py
          --out ${CMAKE_BINARY_DIR}/kethmor-planner.html --wasm-script $<TARGET_FILE:kethmor_planner_wasm>
          --background ${CMAKE_CURRENT_SOURCE_DIR}/assets/background.bmp --fonts ${font_dir}
          --early ${web_src}/early.js --icon ${CMAKE_CURRENT_SOURCE_DIR}/assets/kethmor-planner.svg --version ${PROJECT_VERSION} ${web_parts}
  DEPENDS kethmor_planner_wasm scripts/make_web_page.py assets/background.bmp assets/kethmor-planner.svg ${web_src}/early.js
          ${font_files} ${web_parts}
  COMMENT "Making the web page")
add_custom_target(web_page ALL DEPENDS ${CMAKE_BINARY_DIR}/kethmor-planner.html)

# The folder for any static web host, build-web/site: the page as index.html
# with one line loading install.js, which links the web app manifest and
# registers the service worker that keeps the folder for use offline, and the
# icons drawn from the 256-pixel one.
find_program(KETHMOR_CONVERT convert REQUIRED)  # ImageMagick
set(site ${CMAKE_BINARY_DIR}/site)
set(site_parts ${web_src}/install.js ${web_src}/site/manifest.webmanifest ${web_src}/site/service-worker.js)
add_custom_command(OUTPUT ${site}/index.html ${site}/install.js ${site}/manifest.webmanifest ${site}/service-worker.js
                          ${site}/icon-192.png ${site}/icon-512.png
  COMMAND ${KETHMOR_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/make_site.py --out ${site}
          --page ${CMAKE_BINARY_DIR}/kethmor-planner.html --icon ${CMAKE_CURRENT_SOURCE_DIR}/assets/kethmor-planner-256.png
          --convert ${KETHMOR_CONVERT} ${site_parts}
  DEPENDS ${CMAKE_BINARY_DIR}/kethmor-planner.html scripts/make_site.py assets/kethmor-planner-256.png ${site_parts}
  COMMENT "Making the folder for a web host")
add_custom_target(web_site ALL DEPENDS ${site}/index.html)
