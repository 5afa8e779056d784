# pl63 build entry points. `make test` is what CI runs.
BUILD ?= build
JOBS  ?= $(shell nproc)
# Minimal debug information (functions and lines, enough for a backtrace):
# full -g makes the build a fifth slower. For a debugger session build with
# CMAKE_FLAGS=-DCMAKE_BUILD_TYPE=Debug.
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"

.PHONY: all deps configure build test bench demo screenshots clean fuzz check-sanitize package \
	web web-core web-serve web-test web-test-core web-test-page web-test-e2e web-bench

# Sanitizer and fuzz builds: clang, each in its own folder.
FUZZ_BUILD     ?= build-fuzz
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS   ?= 60
FUZZ_JOBS      ?= 1
# check-sanitize runs each fuzz target this long, two at a time.
SANITIZE_FUZZ_SECONDS ?= 30
# Line tables are all a sanitizer report needs, and much cheaper than full
# debug information. Fuzzing wants speed per input (-O2); the sanitizer test
# run builds at -O1, as the sanitizers recommend, which builds 15% faster.
CLANG_BASE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DPL63_FUZZ=ON
CLANG_FLAGS ?= $(CLANG_BASE_FLAGS) -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only -DNDEBUG"
SANITIZE_FLAGS ?= $(CLANG_BASE_FLAGS) \
	-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG"
# Any sanitizer report fails the run; leaks inside Qt and the system's own
# libraries (never ours) are listed in scripts/lsan-suppressions.txt. Test
# discovery runs the test programs while building, so the build needs this too.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory web-test

# The Debian package (CPack) in $(BUILD): pl63_VERSION-1_ARCH.deb.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	$(BUILD)/bench/pl63-bench-codec
	$(BUILD)/bench/pl63-bench-chirp
	@if [ -x $(BUILD)/bench/pl63-bench-link ]; then $(BUILD)/bench/pl63-bench-link; fi
	@if [ -x $(BUILD)/bench/pl63-bench-fleet ]; then $(BUILD)/bench/pl63-bench-fleet; fi
	@if [ -x $(BUILD)/bench/pl63-bench-gui-start ]; then $(BUILD)/bench/pl63-bench-gui-start; fi
	@if [ -x $(BUILD)/bench/pl63-bench-undo ]; then $(BUILD)/bench/pl63-bench-undo; fi
	@if [ -x $(BUILD)/bench/pl63-bench-gui-link ]; then $(BUILD)/bench/pl63-bench-gui-link; fi
	$(MAKE) --no-print-directory web-bench

# The page's npm packages as locked; installed again only when the lock changes.
WEB_NODE_MODULES = web/node_modules/.package-lock.json
$(WEB_NODE_MODULES): web/package-lock.json
	cd web && npm ci --no-audit --no-fund

# The page's tests, after the desktop's: the core's bindings and the page's
# units in Node, then the page in Debian's Chromium (web/tests/e2e), where the
# radio is pl63-radiosim behind a stand-in Web Serial port. Each runner closes
# with its own count; Playwright's is "playwright: N passed, N failed".
web-test: web-test-core web-test-page web-test-e2e

web-test-e2e: build web $(WEB_NODE_MODULES)
	cd web && PL63_BUILD=$(abspath $(BUILD)) PL63_WEB_DIR=$(abspath $(WEB_OUT)) npx playwright test

# The page's ratios: read and write against the command line, the first
# visit's compressed size, the time until it is interactive.
web-bench: build web $(WEB_NODE_MODULES)
	cd web && PL63_BUILD=$(abspath $(BUILD)) PL63_WEB_DIR=$(abspath $(WEB_OUT)) \
		npx playwright test -c bench/playwright.config.ts

# The window program against a simulated radio (scripts/demo.sh); without a
# display, the same session in the terminal.
demo:
	BUILD=$(BUILD) JOBS=$(JOBS) bash scripts/demo.sh

# The README's pictures: the real windows rendered headless.
screenshots: build
	$(BUILD)/tools/pl63-screenshots docs/screenshots examples/sample.DAT

clean:
	rm -rf $(BUILD)

# libFuzzer targets (fuzz/), each for FUZZ_SECONDS on its corpus.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) $(CLANG_FLAGS)
	$(SANITIZER_ENV) cmake --build $(FUZZ_BUILD) -j $(JOBS) --target pl63_fuzzers
	$(SANITIZER_ENV) bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS)

# Everything built with AddressSanitizer and UndefinedBehaviorSanitizer, the
# whole test suite, then every fuzz target for SANITIZE_FUZZ_SECONDS.
check-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) $(SANITIZE_FLAGS)
	$(SANITIZER_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS)
	$(SANITIZER_ENV) bash scripts/run-fuzzers.sh $(SANITIZE_BUILD) $(SANITIZE_FUZZ_SECONDS) 2

# The page in the browser (web/): the core compiled to WebAssembly with em++
# into $(WEB_CORE_BUILD), the site into $(WEB_OUT) with index.html at its root.
# Debian's em++ finds its JavaScript tools (acorn) through NODE_PATH.
WEB_CORE_BUILD ?= build/web-core
WEB_OUT        ?= build/web
WEB_PORT       ?= 8080
EM_ENV = NODE_PATH=/usr/share/nodejs

web-core:
	@test -f $(WEB_CORE_BUILD)/CMakeCache.txt || \
		$(EM_ENV) emcmake cmake -S web/core -B $(WEB_CORE_BUILD) -DCMAKE_BUILD_TYPE=Release
	$(EM_ENV) cmake --build $(WEB_CORE_BUILD) -j $(JOBS)

# npm ci ($(WEB_NODE_MODULES)) only when the lock file changed since the last install.
web: web-core $(WEB_NODE_MODULES)
	@if [ -f web/build.mjs ]; then \
		node web/build.mjs --out $(WEB_OUT) --core $(WEB_CORE_BUILD); \
	else \
		mkdir -p $(WEB_OUT) && cp $(WEB_CORE_BUILD)/pl63_core.js $(WEB_CORE_BUILD)/pl63_core.wasm $(WEB_OUT)/ && \
		printf '<!doctype html><meta charset="utf-8"><title>pl63</title><p>pl63</p>\n' > $(WEB_OUT)/index.html; \
	fi

# http://localhost:$(WEB_PORT), for a try of what `make web` built.
web-serve: web
	node web/scripts/serve.mjs $(WEB_OUT) $(WEB_PORT)

# The page's own unit tests (the paced simulated line, the serial adapter,
# the transfer host, grid keys), in Node; no browser and no core needed.
web-test-page: $(WEB_NODE_MODULES)
	node web/unit/run.mjs

# The binding layer's unit tests, in Node against the built module.
web-test-core: web-core
	WEB_CORE_BUILD=$(abspath $(WEB_CORE_BUILD)) node --test web/tests/core/
