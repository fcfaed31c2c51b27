# Framewright: the two set-up commands are `make run` and `make test`.
SHELL := /bin/bash
JOBS  ?= $(shell nproc)
HOST  := build/host
ASAN  := build/host-asan
WIN   := build/win
FUZZ  := build/fuzz

.PHONY: run test deps host asan win build unit-tests asan-tests win-tests fuzz bench soak clean

run: deps win
	tests/e2e/run-program.sh

test: deps
	@$(MAKE) --no-print-directory build
	@set -o pipefail; status=0; \
	echo "=== Host unit tests ==="; \
	ctest --test-dir $(HOST) --output-on-failure -j $(JOBS) || status=1; \
	echo "=== Host unit tests under AddressSanitizer + UndefinedBehaviorSanitizer ==="; \
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS) || status=1; \
	echo "=== Win32 and end-to-end tests under Wine ==="; \
	tests/e2e/with-wine.sh ctest --test-dir $(WIN) --output-on-failure || status=1; \
	exit $$status

deps:
	@scripts/install-deps.sh

build: host asan win

host:
	@cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(HOST) -j $(JOBS)

asan:
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTOLSY_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)

win: host
	@cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTOLSY_HOST_BIN=$(abspath $(HOST))/bin >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

fuzz:
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTOLSY_SANITIZE=ON -DTOLSY_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)

bench: win
	@for b in $(HOST)/bin/bench_*; do echo "== $$b"; $$b; done
	@echo "== start-up under Wine: $(WIN)/bin/bench_startup.exe"
	@tests/e2e/with-wine.sh wine $(WIN)/bin/bench_startup.exe
	@echo "== the About window's CPU use under Wine: $(WIN)/bin/bench_about_cpu.exe"
	@tests/e2e/with-wine.sh wine $(WIN)/bin/bench_about_cpu.exe

# The long soak: 200 rounds of a user's work through real input, the program's objects,
# memory, windows and threads checked to stay flat (the short form runs in `make test`).
soak: deps win
	tests/e2e/with-wine.sh wine $(WIN)/bin/e2e_soak.exe --gtest_also_run_disabled_tests \
	  --gtest_filter='ProcessCountsSeeLeaks.*:Soak.DISABLED_Long'

clean:
	rm -rf build
