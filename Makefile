# Wraps the package installation and the CMake build:
#   make run    installs what is missing, builds and starts the editor
#   make test   installs what is missing, builds and runs every test
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/bin/quillplan

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	for b in $(BUILD_DIR)/bin/bench_*; do $$b; done

clean:
	rm -rf $(BUILD_DIR)
