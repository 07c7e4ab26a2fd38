# The two front-door commands: `make run` and `make test`.
.PHONY: run test deps release bench fuzz format clean

CLI_RELEASE := build/release/src/cli/zelvo-cli
APP_RELEASE := build/release/src/app/zelvo

deps:
	@scripts/install-deps.sh

release: deps
	cmake --preset release
	cmake --build --preset release

# The desktop program on the demo congregation. Without any display (no DISPLAY and no
# WAYLAND_DISPLAY, as on a server) it runs on a virtual Xvfb screen instead.
run: release
	@if [ ! -f demo/zdat9.bin ]; then $(CLI_RELEASE) demo demo; fi
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "Δεν υπάρχει οθόνη: το Zelvo ξεκινά σε εικονική οθόνη (xvfb-run -a); Ctrl+C για τέλος."; \
		echo "No display: running Zelvo on a virtual screen (xvfb-run -a); Ctrl+C to stop."; \
		xvfb-run -a -s "-screen 0 1280x800x24" $(APP_RELEASE) demo; \
	else \
		$(APP_RELEASE) demo; \
	fi

test: deps
	cmake --preset test
	cmake --build --preset test
	ctest --preset test

bench: deps
	cmake --preset release
	cmake --build --preset release --target zelvo_bench zelvo_report_bench zelvo_pdf_bench \
		zelvo_form_bench
	build/release/bench/zelvo_bench
	build/release/bench/zelvo_form_bench
	build/release/bench/zelvo_report_bench
	QT_QPA_PLATFORM=offscreen build/release/bench/zelvo_pdf_bench

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

format:
	find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
