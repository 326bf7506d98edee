# The project's commands: `make run` starts the substitute terminal with the panel over its
# chart; `make test` builds both presets and runs every test.
SHELL := /bin/bash
WINE_DISPLAY := scripts/with-display

.PHONY: all bootstrap native windows test test-native test-windows asan bench soak run shots clean

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

bench: native windows
	build/native/bench/pelmora_bench
	$(WINE_DISPLAY) scripts/bench-startup
	$(WINE_DISPLAY) scripts/bench-click
	$(WINE_DISPLAY) scripts/wine-run build/windows/tests/win32/pelmora_update_bench.exe

# SOAK_MINUTES sets the length (default 30); not part of make test.
soak: windows
	scripts/soak

run: windows
	$(WINE_DISPLAY) scripts/run-demo

shots: windows
	scripts/make-shots build/windows
	scripts/shot-terminal build/windows

clean:
	rm -rf build shots
