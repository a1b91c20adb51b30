# The project's commands. `make run` and `make test` set up a fresh Debian 12 machine
# (installing missing packages), build, and then run the program or every test.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test tour bench package install clean

all: build

deps:
	@./scripts/zavislosti.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/ortanel-verbano2

# The tests' size against the code is printed first (scripts/pomer_testu.sh).
test: build
	@./scripts/pomer_testu.sh || true
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# One PNG per screen state and worksheet page (tools/prohlidka) in $(BUILD)/tour, shown
# with captions by $(BUILD)/tour/index.html; the same at twice the size (the stage on a
# 1280 × 960 window, drawn from the 2× pictures) in $(BUILD)/tour/2x.
tour: build
	@$(BUILD)/tools/prohlidka/ortanel_prohlidka $(BUILD)/tour >/dev/null
	@$(BUILD)/tools/prohlidka/ortanel_prohlidka $(BUILD)/tour/2x --okno 1280x960 >/dev/null
	@echo "$(BUILD)/tour/index.html $(BUILD)/tour/2x/index.html"

# Every benchmark of bench/, summed up in one table (bench/souhrn.sh); each program's own
# report goes to $(BUILD)/bench/log.
bench: build
	@./bench/souhrn.sh $(BUILD)

# The Debian package $(BUILD)/ortanel-verbano2_<version>_<arch>.deb (docs/instalace.md).
package: build
	@cd $(BUILD) && cpack -G DEB

# The program, its media, data, menu entry and icon under PREFIX; DESTDIR works as usual.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX) --strip

clean:
	@rm -rf $(BUILD)
