# The two commands: `make test` runs every test, `make run` runs the demo.
# Both install what is missing on a Debian 12 machine first.
SHELL := /bin/bash
.DEFAULT_GOAL := test
.PHONY: test run bench fuzz format deps prefix

FUZZ_SECONDS ?= 600

deps:
	@scripts/install-deps.sh

prefix: deps
	@scripts/wine-prefix.sh

test: prefix
	@echo "== native: portable code and its unit tests (AddressSanitizer, UBSan)"
	cmake --workflow --preset native
	@echo "== win32: cross-built program and tests, run under Wine"
	scripts/wine-session.sh cmake --workflow --preset win32
	@echo "== fuzz: short libFuzzer run over text operations and URL splitting"
	cmake --workflow --preset fuzz

run: prefix
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 --target driver
	scripts/wine-session.sh --user-display python3 scripts/demo.py

# WebRequest's read loop against a bare loop of 512-byte reads, on loopback under Wine.
# On one CPU: every wineserver round trip is then a plain context switch, where across
# CPUs (of a virtual machine above all) it costs a wake-up that scatters the figures.
bench: prefix
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 --target webrequest_bench
	taskset -c 0 scripts/wine-session.sh scripts/wine-run.sh \
	    build/win32/tests/bench/webrequest_bench.exe

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	build/fuzz/tests/fuzz/text_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/ build/fuzz/tests/fuzz/corpus tests/fuzz/corpus

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
