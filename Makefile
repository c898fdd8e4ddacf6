# Set-up, build, run and test on Debian 12. `make run` and `make test` do
# everything: missing Debian packages are installed with apt-get first.
PACKAGES := cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libharfbuzz-dev libicu-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-mincho fonts-ipafont-gothic \
            cups cups-bsd printer-driver-cups-pdf poppler-utils libcups2-dev
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing Debian packages:" $$missing; \
	    if [ "$$(id -u)" -eq 0 ]; then SUDO=; else SUDO=sudo; fi; \
	    $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/kazaguru

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/tests/bench/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done

clean:
	rm -rf $(BUILD)
