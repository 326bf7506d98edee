# The project's commands: `make run` starts the substitute terminal with the panel over its
# chart; `make test` builds both presets and runs every test.
SHELL := /bin/bash
WINE_DISPLAY := scripts/with-display

.PHONY: all bootstrap native windows test test-native test-windows asan bench mutate fuzz dist soak run shots clean

all: native windows

bootstrap:
	@scripts/bootstrap

native: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native

windows: bootstrap
	cmake --preset windows >/dev/null
	cmake --build --preset windows

test-native: native
	ctest --preset native

test-windows: windows
	$(WINE_DISPLAY) ctest --preset windows

test: test-native test-windows

asan: bootstrap
	cmake --preset native-asan >/dev/null
	cmake --build --preset native-asan
	ctest --preset native-asan

# Small faults put into the core one at a time; prints those the native tests let through.
mutate: native
	scripts/mutate

# The builds report on stderr, so that stdout carries the figures' table alone.
bench:
	@$(MAKE) --no-print-directory native windows >&2
	@scripts/bench

# Each fuzz target for FUZZ_SECONDS (all together about ten minutes by default).
fuzz:
	@scripts/bootstrap fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	scripts/fuzz

# The shipped program: an optimised, stripped pelmora.exe and a zip with the README, the link
# contract, the link header and the expert checker, in build/dist/.
dist: bootstrap
	cmake --preset windows-release >/dev/null
	cmake --build --preset windows-release
	scripts/dist

# SOAK_MINUTES sets the length (default 30); not part of make test.
soak: windows
	scripts/soak

# ARGS go to the substitute terminal, e.g. make run ARGS="--history my.csv".
run: windows
	$(WINE_DISPLAY) scripts/run-demo $(ARGS)

shots: windows
	scripts/make-shots build/windows
	scripts/shot-terminal build/windows

clean:
	rm -rf build shots
