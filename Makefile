# The three commands of the README. Everything else is CMake (see CMakePresets.json).

.PHONY: run test demo setup build clean

JOBS ?= $(shell nproc)

setup:
	@bash scripts/setup

build: setup
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# Builds and starts the editor. Without a display it says so and stops.
run: build
	./build/release/app/trov316-editor

# Builds and starts the simulated processor and the editor against it, inside the private network
# namespace (under xvfb-run when there is no display); both end when the editor closes.
demo: build
	scripts/demo build/release

# Builds and runs every test (unit, gui offscreen, integration in a private network namespace).
test: build
	ctest --preset release -j $(JOBS)

clean:
	rm -rf build
