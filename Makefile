# The front door: `make run` starts the calculator, `make test` runs every suite. Both install what is
# missing first.
.PHONY: deps run test windows test-windows bench fuzz package format tidy clean

deps:
	@bash tools/install-deps.sh

run: deps
	cmake --preset release
	cmake --build --preset release --target ringcalc
	./build/release/app/ringcalc

test: deps
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

windows: deps
	cmake --preset win32 $(SIGN_OPTIONS)
	cmake --build --preset win32
	cmake --preset win64 $(SIGN_OPTIONS)
	cmake --build --preset win64

test-windows: windows
	ctest --preset win32
	ctest --preset win64

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/ringcalc_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	./build/fuzz/fuzz/fuzz_read_number -max_total_time=60
	./build/fuzz/fuzz/fuzz_show_result -max_total_time=60

package: deps
	cmake --preset release
	cmake --build --preset release
	cd build/release && cpack
	@ls build/release/ringcalc_*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy: deps
	cmake --preset dev
	cmake --preset win64
	bash tools/tidy

clean:
	rm -rf build
