# SPDX-FileCopyrightText: The Quorlin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The commands of the README:
#   make run    installs what is missing, builds Quorlin optimised and opens it
#   make test   installs what is missing, builds everything and runs every test
#   make windows  builds Quorlin for Windows from Debian's packages and tests it under Wine
#                 (scripts/build-windows: the first run also builds Qt for Windows, once)
# Running needs neither the test libraries nor clang, valgrind or strace: `make run` installs only
# what building and running take, and leaves the tests and benchmarks out of its build.
.PHONY: run test deps bench format windows

deps:
	@scripts/install-deps

run:
	@scripts/install-deps run build
	cmake --preset app
	cmake --build --preset app
	build/app/window/quorlin

test: deps
	scripts/run-tests

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	scripts/run-benchmarks

windows:
	scripts/build-windows

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
