# Set-up, build, run and test on Debian 12. `make run` and `make test` do
# everything: missing Debian packages are installed with apt-get first.
# `make run` builds the program alone; `make test` builds everything the
# tests run, `make bench` the benchmarks and what they run.
PACKAGES := cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libharfbuzz-dev libicu-dev libfontconfig-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-mincho fonts-ipafont-gothic \
            cups cups-bsd printer-driver-cups-pdf poppler-utils libcups2-dev \
            qt6-translations-l10n fonts-ipamj-mincho fonts-aoyagi-kouzan-t fonts-kouzan-mouhitsu fonts-aoyagi-soseki
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build program run test bench fuzz clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing Debian packages:" $$missing; \
	    if [ "$$(id -u)" -eq 0 ]; then SUDO=; else SUDO=sudo; fi; \
	    $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

program: configure
	cmake --build $(BUILD) -j$(JOBS) --target kazaguru

run: program
	$(BUILD)/kazaguru

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: configure
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@for b in $(BUILD)/tests/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} "$$b"; done

# Coverage-guided fuzzing with libFuzzer (clang, address and undefined-behaviour
# sanitizers) in a build folder of its own: each entry point of tests/fuzz runs
# for FUZZ_SECONDS on its seed corpus; new inputs collect in
# $(FUZZ_BUILD)/corpus/<name>, failures in $(FUZZ_BUILD)/<name>-crash-*.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS ?= rtf_read rtf_roundtrip picture datafile settings cp932 sidefile filelist picture_file object_file part_file
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) clang"
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DNOSHI_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers
	@failed=; for f in $(FUZZERS); do \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	    echo "== $$f for $(FUZZ_SECONDS) s"; \
	    if ! QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/tests/fuzz/lsan.supp $(FUZZ_BUILD)/tests/fuzz/fuzz_$$f $(FUZZ_BUILD)/corpus/$$f tests/fuzz/corpus/$$f \
	        -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/$$f- \
	        > $(FUZZ_BUILD)/$$f.log 2>&1; then tail -40 $(FUZZ_BUILD)/$$f.log; failed="$$failed $$f"; fi; \
	    grep -E '^(Done|stat::number_of_executed_units)' $(FUZZ_BUILD)/$$f.log; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzzing found failures in:$$failed"; exit 1; fi

clean:
	rm -rf $(BUILD)
