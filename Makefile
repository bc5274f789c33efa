# Thin wrapper around CMake: `make run` plays, `make test` runs every test.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

WEB_BUILD ?= build-web
WEB_PORT ?= 8000
# Debian's emcc needs node's acorn, which node does not look for there.
export NODE_PATH := /usr/share/nodejs

.PHONY: all setup build run test test-sanitize fuzz assets bench cpu-use latency clean web web-run test-web web-bench rec-bench

all: build

setup:
	./scripts/setup.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd data && ../$(BUILD)/gobbler

# The desktop's tests, then the browser build's (they compare with the desktop build).
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-web

# The browser build: the static folder $(WEB_BUILD)/site/ for any web host.
$(WEB_BUILD)/CMakeCache.txt:
	emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DGOBBLER_NATIVE_BUILD=$(abspath $(BUILD))

web: setup $(WEB_BUILD)/CMakeCache.txt
	cmake --build $(WEB_BUILD) -j $(JOBS) --target site

web-run: web
	@echo "Gobbler in a browser: http://localhost:$(WEB_PORT)/"
	cd $(WEB_BUILD)/site && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

tests/web/node_modules/.package-lock.json: tests/web/package-lock.json
	cd tests/web && npm ci --no-audit --no-fund

# The unit tests and the recorded games under node, the page in headless Chromium.
test-web: build setup $(WEB_BUILD)/CMakeCache.txt tests/web/node_modules/.package-lock.json
	cmake --build $(BUILD) -j $(JOBS) --target replay_hashes rec_from_text gobbler
	cmake --build $(WEB_BUILD) -j $(JOBS)
	cd $(WEB_BUILD) && ctest --output-on-failure -L web -j $(JOBS)

# Download size, a game frame in WebAssembly against the desktop's, and the
# frame time and pace in headless Chromium.
web-bench: build web tests/web/node_modules/.package-lock.json
	cmake --build $(BUILD) -j $(JOBS) --target web_frame_bench
	cmake --build $(WEB_BUILD) -j $(JOBS) --target web_frame_bench
	tools/web_bench.sh $(BUILD) $(WEB_BUILD)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails the run.
$(SANITIZE_BUILD)/CMakeCache.txt:
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DGOBBLER_SANITIZE=ON

test-sanitize: setup $(SANITIZE_BUILD)/CMakeCache.txt
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The picture and sound checks fuzzed with libFuzzer (clang, address and
# undefined-behaviour sanitizers), each target for FUZZ_SECONDS in turn: the
# check, then the library's loader on whatever it accepts.
$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

fuzz: setup $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Redraws every picture and resynthesises every sound in data/.
assets: build
	$(BUILD)/gen_assets data

# Frame time against the floor of clearing and copying one full picture;
# showing a picture at scale 1 to 3 against the floor of filling its pixels.
bench: build
	$(BUILD)/bench/frame_bench; status=$$?; $(BUILD)/bench/present_bench && exit $$status

# Recorded games: a recording's size per ten minutes of play and the time of
# --verify for 36,000 frames, native and in WebAssembly under node.
rec-bench: build $(WEB_BUILD)/CMakeCache.txt
	cmake --build $(WEB_BUILD) -j $(JOBS) --target gobbler_node
	tools/rec_bench.sh $(BUILD) $(WEB_BUILD)

# CPU use of the running game beside a bare paced loop, and the pace as a
# viewer sees it, on a private X server.
cpu-use: build
	tools/cpu_use.sh $(BUILD)

# Key-to-screen time of the game beside a bare loop that answers a key on
# its next tick, each on a private X server.
latency: build
	tools/latency.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WEB_BUILD)

# Installing for the desktop (see README.md): PREFIX, and DESTDIR for staging.
PREFIX ?= /usr/local

.PHONY: install uninstall deb screenshots

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(patsubst ~/%,$(HOME)/%,$(PREFIX))"

uninstall:
	DESTDIR="$(DESTDIR)" cmake -DMANIFEST="$(abspath $(BUILD))/install_manifest.txt" -P cmake/uninstall.cmake

# The Debian package $(BUILD)/gobbler_<version>_<arch>.deb, installed under
# /usr; `dpkg -i` it, or `apt install ./$(BUILD)/gobbler_*.deb`.
deb: build
	cd $(BUILD) && cpack -G DEB

# The pictures in docs/, drawn by the game's own renderer without a display.
screenshots: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target screenshots
	$(BUILD)/tools/screenshots/screenshots docs
