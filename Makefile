# The front door: `make run` starts the calculator, `make test` runs the Linux suites. Each target installs
# first what it is missing of the sections of tools/debian-packages.txt that it needs, and no more.
.PHONY: run test windows test-windows web test-web bench bench-build fuzz package format tidy clean

deps = @bash tools/install-deps.sh

run:
	$(deps) build fonts qt
	cmake --preset release
	cmake --build --preset release --target ringcalc
	./build/release/app/ringcalc

test:
	$(deps) build fonts qt suites linux-suites
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

# Windows: both architectures cross-built with mingw-w64; their suites run under Wine. A release is signed
# with make windows SIGN_CERT=cert.pem SIGN_KEY=key.pem (PEM files; SIGN_PASS_FILE=FILE holds the key's
# password, SIGN_TIMESTAMP=URL names an RFC 3161 time-stamp server); without them it is unsigned.
SIGN_OPTIONS = -DRINGCALC_SIGN_CERT=$(if $(SIGN_CERT),$(abspath $(SIGN_CERT))) \
	-DRINGCALC_SIGN_KEY=$(if $(SIGN_KEY),$(abspath $(SIGN_KEY))) \
	-DRINGCALC_SIGN_PASS_FILE=$(if $(SIGN_PASS_FILE),$(abspath $(SIGN_PASS_FILE))) \
	-DRINGCALC_SIGN_TIMESTAMP=$(SIGN_TIMESTAMP)

windows:
	$(deps) build suites windows windows-i386
	cmake --preset win32 $(SIGN_OPTIONS)
	cmake --build --preset win32
	cmake --preset win64 $(SIGN_OPTIONS)
	cmake --build --preset win64

# A 32-bit suite that cannot start its program here is reported skipped by ctest; the reason follows.
test-windows: windows
	ctest --preset win32
	ctest --preset win64
	@tools/wine-run --check build/win32/app/ringcalc.exe 2>/dev/null || \
		echo "Skipped 32-bit suites: $$(tools/wine-run --check build/win32/app/ringcalc.exe 2>&1)"

# The browser: one self-contained page, build/web/ringcalc.html; its suites are the toolkit-free one under node
# and the page in Chromium, driven by puppeteer-core (installed from tests/web's lockfile when it changes).
web:
	$(deps) build fonts web
	cmake --preset web
	cmake --build --preset web

test-web: web
	@cmp -s tests/web/package-lock.json tests/web/node_modules/.installed-lock || \
		{ cd tests/web && npm ci --no-audit --no-fund --ignore-scripts && cp package-lock.json node_modules/.installed-lock; }
	ctest --preset web

bench: bench-build
	./build/release/bench/ringcalc_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The benchmarks are built by the release preset when asked for: they need libraries the program does not.
bench-build:
	$(deps) build fonts qt bench
	cmake --preset release -DRINGCALC_BENCH=ON
	cmake --build --preset release

fuzz:
	$(deps) build fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	./build/fuzz/fuzz/fuzz_read_number -max_total_time=60
	./build/fuzz/fuzz/fuzz_show_result -max_total_time=60
	./build/fuzz/fuzz/fuzz_decimal_text -max_total_time=60

package:
	$(deps) build fonts qt package
	cmake --preset release
	cmake --build --preset release
	cd build/release && cpack
	@ls build/release/ringcalc_*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy:
	$(deps) build fonts qt suites bench windows web check
	cmake --preset dev -DRINGCALC_BENCH=ON
	cmake --preset win64
	cmake --preset web
	bash tools/tidy

clean:
	rm -rf build
