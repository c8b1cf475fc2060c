#!/bin/bash
# Installs what is missing, builds everything and runs the whole test suite
# through CTest: the web page, the normal build (which tests the page too), then the model and sheet tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
# The web page first: the suite in build/ tests it (label web).
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DKETHMOR_WERROR=ON >/dev/null
cmake --build build-web
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKETHMOR_WERROR=ON >/dev/null
cmake --build build
# The sessions and screenshots under Xvfb run on real X timing: a second try is allowed.
ctest --test-dir build --output-on-failure -j2 -E 'e2e_session|e2e_keyboard|scale_screenshots'
ctest --test-dir build --output-on-failure -R 'e2e_session|e2e_keyboard|scale_screenshots' --repeat until-pass:2

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKETHMOR_WERROR=ON \
  -DKETHMOR_GUI=OFF -DKETHMOR_SANITIZE=ON >/dev/null
cmake --build build-sanitize
# Fewer seeded sessions, sheet mutations and plans here: the sanitizers slow them tenfold.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  KETHMOR_ROUNDTRIP_SESSIONS=300 KETHMOR_READER_MUTATIONS=20000 KETHMOR_PLAN_SESSIONS=100 ctest --test-dir build-sanitize --output-on-failure -j2
