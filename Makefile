# The project's commands. Every target runs the idempotent set-up first.
SHELL := /bin/bash
.DEFAULT_GOAL := test

LANES := win64 win32 native

.PHONY: setup build test demo release clean $(addprefix build-,$(LANES))

setup:
	@bash scripts/setup.sh

$(addprefix build-,$(LANES)): build-%: setup
	@cmake --preset $* >/dev/null
	@cmake --build --preset $*

build: $(addprefix build-,$(LANES))

# Windows tests under Wine, then the portable core natively with sanitizers.
# Both lanes always run; the wine server is stopped whatever happened.
test: build
	@status=0; \
	ctest --preset win64 || status=1; \
	ctest --preset native || status=1; \
	tests/wine-server stop; \
	exit $$status

demo: build-win64 build-win32
	@bash tools/demo.sh

release: build-win32
	@test -f build/win32/app/uninstall.exe || { echo "release: uninstall.exe is not built yet"; exit 1; }
	@mkdir -p dist
	@cp build/win32/app/uninstall.exe dist/uninstall.exe
	@echo "dist/uninstall.exe written"

clean:
	rm -rf build dist
