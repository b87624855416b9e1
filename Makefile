# The README's commands. Everything builds into build/.
BUILD_DIR ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
# Worktrees side by side share one compiler cache.
export CCACHE_BASEDIR ?= $(abspath $(CURDIR)/..)
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test bench service package clean translations

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(LAUNCHER) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/quillet

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/quillet-bench $(ARGS)

# The sync server over a data folder in build/; ARGS="--listen 0.0.0.0:8484" etc.
service: build
	$(BUILD_DIR)/server/quillet-server --data $(BUILD_DIR)/service-data $(ARGS)

# The Debian package (build/quillet_VERSION_ARCH.deb); on Windows, cpack makes the installer.
package: build
	cmake --build $(BUILD_DIR) --target package

translations: configure
	cmake --build $(BUILD_DIR) --target quillet_gui_lupdate
	cmake --build $(BUILD_DIR) --target quillet_languages_lupdate
	python3 scripts/fill-english-plurals.py resources/translations/quillet_en.ts

clean:
	rm -rf $(BUILD_DIR)
