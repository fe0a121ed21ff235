# Two commands for a newcomer on Debian 12: `make run` and `make test`.
# Both install what is missing (apt-get, through sudo when not root) and build first.

BUILD    ?= build
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake make g++ libgl-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n \
            fonts-liberation2 fonts-dejavu-core poppler-utils desktop-file-utils libzip-dev pkgconf \
            libical-dev libxlsxwriter-dev python3-openpyxl zip patchelf qt6-wayland
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
OFFSCREEN := offscreen:configfile=$(CURDIR)/tests/support/offscreen.json

.PHONY: run test screens dist build deps clean

run: build
	$(BUILD)/Corvanta/corvanta

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=$(OFFSCREEN) ctest --output-on-failure -j$(JOBS)

screens: build
	QT_QPA_PLATFORM=$(OFFSCREEN) $(BUILD)/tools/corvanta_screens $(BUILD)/screens

# The program folder without user data, with its own Qt, as $(BUILD)/Corvanta-<version>.zip;
# the executable's symbols go to $(BUILD)/corvanta.debug.
dist: build
	cmake --build $(BUILD) --target corvanta_dist

build: deps
	cmake -S . -B $(BUILD) -G "Unix Makefiles"
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing || \
	    { $(SUDO) apt-get update && \
	      $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; }; \
	fi

clean:
	rm -rf $(BUILD)
