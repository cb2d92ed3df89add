# The two commands of the README: `make run` and `make test`. Everything else is for developers.
BUILD      ?= build
BENCHBUILD ?= build-bench
FUZZBUILD  ?= build-fuzz
JOBS       ?= $(shell nproc)
EXAMPLE    ?= examples/roundabout.crs

.PHONY: test run deps configure build bench fuzz format clean

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGYROLITH_SANITIZE=ON \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DGYROLITH_SANITIZE=ON -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  cmake --build $(BUILD) -j $(JOBS) --target gyrolith >/dev/null && \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-third-party.supp:print_suppressions=0 \
	  $(BUILD)/src/app/gyrolith $(wildcard $(EXAMPLE)); \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the desktop program cannot open a window."; \
	  echo "The network as gyrolith-cli shows it instead:"; \
	  cmake --build $(BUILD) -j $(JOBS) --target gyrolith-cli >/dev/null && \
	  $(BUILD)/src/cli/gyrolith-cli $(if $(wildcard $(EXAMPLE)),summary $(EXAMPLE),--help); \
	fi

bench: deps
	cmake -S . -B $(BENCHBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DGYROLITH_TESTS=OFF -DGYROLITH_BENCH=ON
	cmake --build $(BENCHBUILD) -j $(JOBS) --target gyrolith-bench
	$(BENCHBUILD)/bench/gyrolith-bench $(BENCH_ARGS)

# libFuzzer builds need clang; FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
fuzz: deps
	@scripts/install-deps.sh --fuzz
	CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGYROLITH_FUZZ=ON -DGYROLITH_GUI=OFF
	cmake --build $(FUZZBUILD) -j $(JOBS)
	@for f in $(FUZZBUILD)/fuzz/*_fuzzer; do \
	  name=$$(basename $$f _fuzzer); mkdir -p $(FUZZBUILD)/found/$$name; \
	  echo "== $$name"; $$f -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=$(FUZZBUILD)/found/$$name/ \
	    $(FUZZBUILD)/found/$$name fuzz/corpus/$$name || exit 1; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BENCHBUILD) $(FUZZBUILD)
