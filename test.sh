#!/bin/bash
# Installs what is missing, builds everything and runs the whole test suite
# through CTest: the web page, the normal build (which tests the page too),
# then the model and sheet tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, with char unsigned.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
# The web page first: the suite in build/ tests it (label web).
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DKETHMOR_WERROR=ON >/dev/null
cmake --build build-web
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKETHMOR_WERROR=ON >/dev/null
cmake --build build
# The real window under Xvfb runs on real X timing: a second try is allowed.
ctest --test-dir build --output-on-failure -j2 -LE x11
ctest --test-dir build --output-on-failure -L x11 --repeat until-pass:2

# With char unsigned, as on arm64 and ppc64el, so that code assuming a signed
# char fails a test here.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKETHMOR_WERROR=ON \
  -DKETHMOR_GUI=OFF -DKETHMOR_SANITIZE=ON -DCMAKE_CXX_FLAGS=-funsigned-char >/dev/null
cmake --build build-sanitize
# Fewer seeded sessions, sheet mutations and plans here: the sanitizers slow them tenfold.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  KETHMOR_ROUNDTRIP_SESSIONS=300 KETHMOR_READER_MUTATIONS=20000 KETHMOR_PLAN_SESSIONS=100 ctest --test-dir build-sanitize --output-on-failure -j2
